#pragma once

#include "edit/EditCommand.h"
#include "resources/StringTable.h"

#include <memory>
#include <vector>

// Several changes made as one step: applied in order, reverted in reverse
// order, named after the first unless given a name. When one of them cannot
// apply (or revert), those already done are taken back, so the step is done
// whole or not at all.
class CCommandSequence : public CEditCommand
{
public:
    explicit CCommandSequence(std::vector<std::unique_ptr<CEditCommand>> commands,
                              QString name = {});

    QString Name() const override;
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override;

private:
    std::vector<std::unique_ptr<CEditCommand>> m_commands;
    QString m_name;
};

// Deletes every row of a list whose rows hold no cell, as after its only
// column went: only their count is kept.
class CDeleteEmptyRowsCommand : public CEditCommand
{
public:
    explicit CDeleteEmptyRowsCommand(int count) : m_count(count) {}

    QString Name() const override { return QString::fromUtf8(Strings::kDeleteRows); }
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override { return sizeof(*this); }

private:
    int m_count;
};
