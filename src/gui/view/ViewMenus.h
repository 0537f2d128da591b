#pragma once

#include "edit/Launch.h"
#include "view/CommandRunner.h"

#include <QObject>
#include <QPoint>

#include <memory>

class CGridListCtrl;
class CGridTableView;
class IShell;

// The menus opened on the grid: a right-click on a column's header asks for
// the column menu and makes that column the one its commands act on; one
// on a cell asks for the row menu, with the launch item the cell's text
// calls for, and the launch items open or run that text.
class CViewMenus : public QObject
{
    Q_OBJECT

public:
    CViewMenus(CGridListCtrl& grid, CGridTableView& table, CommandRunner runCommand,
               QObject* parent = nullptr);
    ~CViewMenus() override;

    // The column the column menu was last opened on; -1 for none.
    int MenuColumn() const { return m_nMenuColumn; }
    // As a right-click on the column's header leaves it, without the menu.
    void SetMenuColumn(int column) { m_nMenuColumn = column; }
    void OnLaunchWithShell();
    void OnLaunchCommand();
    // Where links, folders and commands go; the desktop unless replaced.
    void SetShell(std::unique_ptr<IShell> shell);

Q_SIGNALS:
    void columnMenuRequested(const QPoint& globalPos);
    void rowMenuRequested(const QPoint& globalPos, Launch::Kind launch);

private:
    void OnHeaderRightClicked(int column, const QPoint& globalPos);
    void OnGridRightClicked(int row, int column, const QPoint& globalPos);

    CGridListCtrl& m_grid;
    CommandRunner m_runCommand;
    std::unique_ptr<IShell> m_pShell;
    int m_nMenuColumn = -1;
};
