// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The program's command line, in Qt's usual form:
//   tintaloo [--data-dir DIR] [--import-pack FILE] [pack]
// plus -h/--help and -v/--version. A pack given without an option is what a
// file manager passes when a .tpk file is opened with Tintaloo.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Outcome {
        Run,         // start the program
        ShowHelp,    // print helpText() to stdout, exit 0
        ShowVersion, // print versionText() to stdout, exit 0
        UsageError,  // print errorText() and helpText() to stderr, exit 2
    };
    static constexpr int UsageExitCode = 2;

    CommandLine();
    // arguments as QCoreApplication::arguments() gives them, program first.
    Outcome parse(const QStringList& arguments);

    QString helpText() const;
    static QString versionText();
    QString errorText() const { return m_error; }

    bool dataDirGiven() const { return m_dataDirGiven; }
    QString dataDir() const { return m_dataDir; }
    QString importPack() const { return m_importPack; }
    QString packToOpen() const { return m_packToOpen; }

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_dataDirOption;
    QCommandLineOption m_importPackOption;
    QString m_error;
    bool m_dataDirGiven = false;
    QString m_dataDir;
    QString m_importPack;
    QString m_packToOpen;
};
