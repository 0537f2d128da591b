#include "app/MainFrame.h"
#include "document/TablewrightDoc.h"
#include "resources/CommandTable.h"

#include "GuiTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

QString Line(const QString& path, const QAction& action)
{
    QString line = path + action.text();
    if (!action.shortcut().isEmpty())
        line += QStringLiteral(" [%1]").arg(action.shortcut().toString());
    if (!action.statusTip().isEmpty())
        line += QStringLiteral(" {%1}").arg(action.statusTip());
    return line;
}

void DumpMenu(const QMenu& menu, const QString& path, QStringList& lines)
{
    for (const QAction* action : menu.actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            lines << path + QStringLiteral("-");
        else if (action->menu())
            DumpMenu(*action->menu(), path + action->text() + QLatin1Char('/'), lines);
        else
            lines << Line(path, *action);
    }
}

} // namespace

class MainFrameTest : public QObject
{
    Q_OBJECT

private:
    TempSettings settings;
    ScriptedPrompt prompt;

private Q_SLOTS:
    void init() { prompt = ScriptedPrompt(); }

    void menuBarFollowsTheCommandTable()
    {
        CMainFrame frame(prompt);
        QStringList lines;
        for (const QAction* top : frame.menuBar()->actions())
            DumpMenu(*top->menu(), top->text() + QLatin1Char('/'), lines);
        const QStringList expected = {
            "&Fichier/&Nouveau\tCtrl+N [Ctrl+N] {Créer un nouveau document}",
            "&Fichier/&Ouvrir...\tCtrl+O [Ctrl+O] {Ouvrir un document existant}",
            "&Fichier/&Enregistrer\tCtrl+S [Ctrl+S] {Enregistrer le document actif}",
            "&Fichier/En&registrer sous... {Enregistrer le document actif sous un nouveau nom}",
            "&Fichier/-",
            "&Fichier/Importer/Importer un fichier texte (séparateur TAB)",
            "&Fichier/Importer/Importer un fichier texte (séparateur CSV)",
            "&Fichier/Exporter/Exporter en fichier texte (séparateur TAB)",
            "&Fichier/Exporter/Exporter en fichier CSV {Exporter la liste dans un fichier CSV}",
            "&Fichier/Exporter/Exporter en tableau HTML",
            "&Fichier/-",
            "&Fichier/&Imprimer...\tCtrl+P [Ctrl+P] {Imprimer le document actif}",
            "&Fichier/&Aperçu avant impression {Afficher les pages en entier}",
            "&Fichier/Con&figuration de l'impression... {Changer les options de "
            "l'imprimante et d'impression}",
            "&Fichier/-",
            "&Fichier/Associé avec des dossiers de .tbw",
            "&Fichier/-",
            "&Fichier/Fichiers récents {Ouvrir ce document}",
            "&Fichier/-",
            "&Fichier/&Quitter\tCtrl+Q [Ctrl+Q] {Quitter l'application ; demander d'enregistrer "
            "les documents}",
            "&Edition/Annuler\tCtrl+Z [Ctrl+Z] {Annuler la dernière action}",
            "&Edition/Rétablir\tCtrl+Y [Ctrl+Y] {Rétablir l'action précédemment annulée}",
            "&Edition/-",
            "&Edition/Couper\tCtrl+X [Ctrl+X] {Couper le contenu de la cellule dans le "
            "presse-papier}",
            "&Edition/Copier\tCtrl+C [Ctrl+C] {Copier le contenu de la celllule dans le "
            "presse-papier}",
            "&Edition/Coller\tCtrl+V [Ctrl+V] {Coller le contenu du presse-papier dans la "
            "cellule}",
            "&Edition/-",
            "&Edition/Recopier vers le bas\tCtrl+D [Ctrl+D] {Recopier la première ligne de la "
            "sélection dans les autres lignes}",
            "&Edition/Recopier à droite\tCtrl+R [Ctrl+R] {Recopier la première colonne de la "
            "sélection dans les autres colonnes}",
            "&Edition/-",
            "&Edition/Rechercher\tCtrl+F {Rechercher}",
            "&Edition/Rechercher le suivant\tF3 [F3] {Rechercher le suivant}",
            "&Edition/Remplacer\tCtrl+H [Ctrl+H] {Remplacer}",
            "&Edition/Filtrer les lignes\tCtrl+Shift+L [Ctrl+Shift+L] {Ne montrer que les lignes "
            "qui contiennent un texte}",
            "&Edition/-",
            "&Edition/Trier… {Trier les lignes par une à trois colonnes}",
            "&Edition/Supprimer les doublons {Supprimer les lignes égales à une ligne précédente}",
            "&Options/Utiliser la saisie d'un simple clic",
            "&Options/Allez À la Dernière Rangée Après Chargement",
            "&Options/Entrée passe à la cellule du dessous {Après la saisie, la touche Entrée "
            "passe à la cellule du dessous}",
            "&Options/-",
            "&Options/Zoom avant\tCtrl++ [Ctrl++] {Agrandir le texte de la liste}",
            "&Options/Zoom arrière\tCtrl+- [Ctrl+-] {Réduire le texte de la liste}",
            "&Options/Taille normale\tCtrl+0 [Ctrl+0] {Afficher le texte de la liste à sa "
            "taille normale}",
            "&Aide/Comment.../Entrer un texte dans une cellule {Matière d'aide}",
            "&Aide/Comment.../-",
            "&Aide/Comment.../Insérer une ligne {Matière d'aide}",
            "&Aide/Comment.../Supprimer une ligne {Matière d'aide}",
            "&Aide/Comment.../-",
            "&Aide/Comment.../Renommer une colonne {Matière d'aide}",
            "&Aide/Comment.../Insérer une colonne {Matière d'aide}",
            "&Aide/Comment.../Supprimer une colonne {Matière d'aide}",
            "&Aide/-",
            "&Aide/&A propos de Quire... {Afficher des informations sur le programme, son "
            "numéro de version et son copyright}",
        };
        QCOMPARE(lines, expected);
    }

    // Ctrl+F belongs to the toolbar's Find, which the menu entry shows.
    void acceleratorsReachTheirCommands()
    {
        CMainFrame frame(prompt);
        QStringList bound;
        for (const QAction* action : frame.actions()) {
            for (const QKeySequence& keys : action->shortcuts())
                bound << keys.toString() + QLatin1Char('=') + action->objectName();
        }
        bound.sort();
        QCOMPARE(bound, QStringList({"Ctrl++=ID_VIEW_ZOOM_IN",      "Ctrl+-=ID_VIEW_ZOOM_OUT",
                                     "Ctrl+0=ID_VIEW_ZOOM_RESET",   "Ctrl+==ID_VIEW_ZOOM_IN",
                                     "Ctrl+C=ID_EDIT_COPY",         "Ctrl+D=ID_EDIT_FILL_DOWN",
                                     "Ctrl+F=ID_TOOLBAR_FIND",      "Ctrl+H=ID_EDIT_REPLACE",
                                     "Ctrl+N=ID_FILE_NEW",          "Ctrl+O=ID_FILE_OPEN",
                                     "Ctrl+P=ID_FILE_PRINT",        "Ctrl+Q=ID_APP_EXIT",
                                     "Ctrl+R=ID_EDIT_FILL_RIGHT",   "Ctrl+S=ID_FILE_SAVE",
                                     "Ctrl+Shift+L=ID_EDIT_FILTER", "Ctrl+Shift+Z=ID_EDIT_REDO",
                                     "Ctrl+V=ID_EDIT_PASTE",        "Ctrl+X=ID_EDIT_CUT",
                                     "Ctrl+Y=ID_EDIT_REDO",         "Ctrl+Z=ID_EDIT_UNDO",
                                     "F3=ID_EDIT_FIND_NEXT"}));
    }

    void toolbarButtonsInOrderWithToolTips()
    {
        CMainFrame frame(prompt);
        QStringList buttons;
        QStringList tips;
        for (const QAction* action : frame.ToolBar()->actions()) {
            buttons << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
            if (!action->isSeparator()) {
                tips << action->toolTip();
                QVERIFY2(!action->icon().pixmap(16, 16).isNull(), qPrintable(action->objectName()));
            }
        }
        QCOMPARE(
            buttons.join(QLatin1Char(' ')),
            QStringLiteral("ID_FILE_NEW ID_FILE_OPEN ID_FILE_SAVE | ID_ROW_INSERT_ABOVE "
                           "ID_ROW_INSERT_BELOW ID_ROW_DELETE | ID_ROW_MOVE_UP "
                           "ID_ROW_MOVE_DOWN | ID_EDIT_CUT ID_EDIT_COPY ID_EDIT_PASTE | "
                           "ID_TOOLBAR_FIND ID_TOOLBAR_REPLACE ID_EDIT_FILTER | ID_FILE_PRINT"));
        QCOMPARE(tips.mid(0, 5),
                 QStringList({"Nouveau", "Ouvrir", "Enregistrer", "Insérer une ligne au-dessus",
                              "Insérer une ligne au-dessous"}));
        QCOMPARE(tips.mid(6, 2), QStringList({"Relevez ligne", "Abaissez ligne"}));
    }

    void promptsShowInTheFirstPane()
    {
        CMainFrame frame(prompt);
        frame.show();
        FindAction(frame, "ID_FILE_SAVE_AS")->showStatusText(&frame);
        QCOMPARE(frame.StatusPaneText(0),
                 QStringLiteral("Enregistrer le document actif sous un nouveau nom"));
        frame.statusBar()->clearMessage();
        QCOMPARE(frame.StatusPaneText(0), QStringLiteral(" "));
    }

    void statusBarHasThreePanes()
    {
        CMainFrame frame(prompt);
        frame.show();
        const auto* cellPane = frame.findChild<QLabel*>(QStringLiteral("pane1"));
        QVERIFY(cellPane);
        QCOMPARE(cellPane->width(), 120);
        QProgressBar* progress = frame.ProgressBar();
        QCOMPARE(progress->width(), 100);
        QCOMPARE(progress->minimum(), 0);
        QCOMPARE(progress->maximum(), 100);
        QVERIFY(cellPane->geometry().right() < progress->geometry().left());
        frame.SetStatusPaneText(1, QStringLiteral("Ligne 3, Colonne 2"));
        QCOMPARE(frame.StatusPaneText(1), QStringLiteral("Ligne 3, Colonne 2"));
        frame.SetProgress(42);
        QCOMPARE(progress->value(), 42);
    }

    void cellPaneFollowsItsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("usual") << "Ligne 3, Colonne 2";
        QTest::newRow("long") << "Ligne 999983, Colonne 32768";
    }

    void cellPaneFollowsItsText()
    {
        QFETCH(QString, text);
        CMainFrame frame(prompt);
        // As narrow as the window first opens.
        frame.resize(300, 450);
        frame.show();
        auto* cellPane = frame.findChild<QLabel*>(QStringLiteral("pane1"));
        QVERIFY(cellPane);
        const QProgressBar* progress = frame.ProgressBar();
        const auto fits = [&] {
            const int needed = cellPane->fontMetrics().horizontalAdvance(cellPane->text());
            return cellPane->contentsRect().width() >= needed &&
                   cellPane->width() >= cellPane->sizeHint().width() &&
                   cellPane->geometry().right() < progress->geometry().left() &&
                   progress->geometry().right() < frame.width();
        };
        // A wider text first: the pane narrows again after it.
        frame.SetStatusPaneText(1, QStringLiteral("Ligne 123456789012, Colonne 123456789012"));
        QTRY_VERIFY(fits());
        frame.SetStatusPaneText(1, text);
        const int needed = cellPane->fontMetrics().horizontalAdvance(text);
        QTRY_VERIFY2(fits() && cellPane->width() <= std::max(120, needed + 20),
                     qPrintable(QString::number(cellPane->width())));
        QVERIFY(cellPane->width() >= 120);
    }

    void helpTopicsAnswerWithInformation()
    {
        CMainFrame frame(prompt);
        const char* topics[] = {"ID_HELP_ENTER_TEXT",    "ID_HELP_INSERT_ROW",
                                "ID_HELP_DELETE_ROW",    "ID_HELP_RENAME_COLUMN",
                                "ID_HELP_INSERT_COLUMN", "ID_HELP_DELETE_COLUMN"};
        for (const char* topic : topics)
            FindAction(frame, topic)->trigger();
        QCOMPARE(prompt.messages.size(), std::size_t(6));
        for (const auto& message : prompt.messages) {
            QCOMPARE(message.icon, IUserPrompt::Icon::Information);
            QCOMPARE(message.buttons, IUserPrompt::Buttons::Ok);
        }
        QCOMPARE(prompt.messages[2].text,
                 QStringLiteral("Pour supprimer une ligne, sélectionnez la ligne à supprimer\n"
                                "et appuyez sur le bouton 'Supprimer une ligne' de la barre "
                                "d'outils\nou faites un clic droit et choisissez la commande "
                                "correspondante\ndans le menu contextuel."));
        QVERIFY(prompt.messages[0].text.endsWith(QStringLiteral("en utilisant la touche <tab>")));
        QVERIFY(prompt.messages[5].text.endsWith(QStringLiteral("\n confirmer la suppression.")));
    }

    void commandsWithoutHandlerStayDisabled()
    {
        CMainFrame frame(prompt);
        frame.UpdateCommands();
        QVERIFY(!FindAction(frame, "ID_FILE_PRINT")->isEnabled());
        QVERIFY(FindAction(frame, "ID_HELP_ENTER_TEXT")->isEnabled());
        QVERIFY(!FindAction(frame, "ID_FILE_MRU_FILE1")->isEnabled());
    }

    void firstRunOpensTheDefaultWindow()
    {
        TempSettings fresh;
        CMainFrame frame(prompt);
        frame.ActivateFrame();
        QCOMPARE(frame.geometry(), QRect(QPoint(100, 100), QPoint(399, 549)));
        QCOMPARE(frame.windowState(), Qt::WindowNoState);
    }

    void placementComesBackAsItWasClosed_data()
    {
        QTest::addColumn<int>("showCmd");
        QTest::addColumn<Qt::WindowStates>("state");
        QTest::newRow("normal") << 1 << Qt::WindowStates(Qt::WindowNoState);
        QTest::newRow("maximized") << 3 << Qt::WindowStates(Qt::WindowMaximized);
    }

    void placementComesBackAsItWasClosed()
    {
        QFETCH(int, showCmd);
        QFETCH(Qt::WindowStates, state);
        TempSettings fresh;
        const QRect normal(QPoint(40, 30), QPoint(639, 479));
        TempSettings::Store("WNDSTATUS/SHOWCMD", showCmd);
        TempSettings::Store("WNDSTATUS/LEFT", 40);
        TempSettings::Store("WNDSTATUS/TOP", 30);
        TempSettings::Store("WNDSTATUS/RIGHT", 640);
        TempSettings::Store("WNDSTATUS/BOTTOM", 480);
        {
            CMainFrame frame(prompt);
            frame.ActivateFrame();
            QCOMPARE(frame.windowState(), state);
            QCOMPARE(frame.normalGeometry(), normal);
            QVERIFY(frame.close());
        }
        // Closing writes it back as it was read.
        QCOMPARE(TempSettings::Stored("WNDSTATUS/SHOWCMD").toInt(), showCmd);
        QCOMPARE(TempSettings::Stored("WNDSTATUS/LEFT").toInt(), 40);
        QCOMPARE(TempSettings::Stored("WNDSTATUS/BOTTOM").toInt(), 480);
    }

    void placementIsSavedEvenWhenTheCloseIsCancelled()
    {
        TempSettings fresh;
        CMainFrame frame(prompt);
        CTablewrightDoc doc(prompt, frame);
        frame.SetDocument(&doc);
        frame.ActivateFrame();
        frame.setGeometry(QRect(QPoint(200, 150), QPoint(899, 749)));
        MarkModified(doc);
        prompt.answers = {IUserPrompt::Answer::Cancel};
        QVERIFY(!frame.close());
        QVERIFY(frame.isVisible());
        QCOMPARE(TempSettings::Stored("WNDSTATUS/LEFT").toInt(), 200);
        QCOMPARE(TempSettings::Stored("WNDSTATUS/TOP").toInt(), 150);
        QCOMPARE(TempSettings::Stored("WNDSTATUS/RIGHT").toInt(), 900);
        QCOMPARE(TempSettings::Stored("WNDSTATUS/BOTTOM").toInt(), 750);
        QCOMPARE(TempSettings::Stored("WNDSTATUS/SHOWCMD").toInt(), 1);
        QVERIFY(TempSettings::Stored("Toolbar/State").toByteArray().size() > 0);
    }

    void titleFollowsTheDocument()
    {
        CMainFrame frame(prompt);
        CTablewrightDoc doc(prompt, frame);
        doc.SetStateListener([&frame] { frame.UpdateTitle(); });
        frame.SetDocument(&doc);
        QCOMPARE(frame.windowTitle(), QStringLiteral("Sans titre[*] - Quire"));
        QVERIFY(!frame.isWindowModified());
        MarkModified(doc);
        QVERIFY(frame.isWindowModified());
        doc.SetPathName(QStringLiteral("/tmp/courses.tbw"));
        QCOMPARE(frame.windowTitle(), QStringLiteral("courses.tbw[*] - Quire"));
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
