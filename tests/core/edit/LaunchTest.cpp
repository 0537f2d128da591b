#include "edit/Launch.h"

#include "platform/Shell.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(LaunchTest, ClassifiesTheCellText)
{
    using Launch::Kind;
    struct Case
    {
        const char* text;
        Kind kind;
    };
    const Case cases[] = {
        {"", Kind::None},
        {"http://exemple.fr", Kind::Link},
        {"HTTPS://exemple.fr/a", Kind::Link},
        {"HtTp:x", Kind::Link},
        {"http exemple sans deux-points", Kind::None},
        {"http://exemple.fr/setup.exe", Kind::Link},
        {"Notes.EXE", Kind::Command},
        {"c:\\outils\\x.exe /q", Kind::Command},
        {"prendre un .exe quelque part", Kind::Command},
        {"d:/archives", Kind::Folder},
        {"D:\\Archives", Kind::Folder},
        {"\\\\serveur\\partage", Kind::Folder},
        {"//serveur/partage", Kind::Folder},
        {"/home/x", Kind::Folder},
        {"~/notes", Kind::Folder},
        {"~notes", Kind::None},
        {"Liste de courses", Kind::None},
        {"12:30", Kind::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Launch::Classify(c.text), c.kind) << c.text;
}

TEST(LaunchTest, WhatTheDesktopIsGiven)
{
    EXPECT_EQ(Launch::ShellUrl("http://exemple.fr/a b"),
              QUrl(QStringLiteral("http://exemple.fr/a%20b")));
    EXPECT_EQ(Launch::ShellUrl("/home/x"), QUrl::fromLocalFile(QStringLiteral("/home/x")));
    EXPECT_EQ(Launch::ShellUrl("~/notes"), QUrl::fromLocalFile(QDir::homePath() + "/notes"));
}

class RecordingShell : public IShell
{
public:
    QList<QUrl> opened;
    QStringList programs;
    QList<QStringList> arguments;
    bool OpenUrl(const QUrl& url) override
    {
        opened << url;
        return true;
    }
    bool StartDetached(const QString& program, const QStringList& args) override
    {
        programs << program;
        arguments << args;
        return true;
    }
};

// A command line is split as a command line is, never handed to a command
// interpreter, and passed whole however long it is.
TEST(LaunchTest, RunSplitsTheCommandLineAndKeepsItWhole)
{
    RecordingShell shell;
    EXPECT_TRUE(Launch::Run(shell, R"("/opt/mon outil/run.exe" -a "deux mots" ; rm x)"));
    ASSERT_EQ(shell.programs.size(), 1);
    EXPECT_EQ(shell.programs[0], "/opt/mon outil/run.exe");
    EXPECT_EQ(shell.arguments[0], (QStringList{"-a", "deux mots", ";", "rm", "x"}));

    const std::string longArgument(5000, 'a');
    EXPECT_TRUE(Launch::Run(shell, "tool.exe " + longArgument));
    EXPECT_EQ(shell.arguments[1], QStringList{QString::fromStdString(longArgument)});

    EXPECT_FALSE(Launch::Run(shell, "   "));
    EXPECT_FALSE(Launch::Open(shell, ""));
    EXPECT_EQ(shell.programs.size(), 2);
    EXPECT_TRUE(shell.opened.isEmpty());
}

} // namespace
