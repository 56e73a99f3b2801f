// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "ui/ProductInfo.h"

CommandLine::CommandLine()
    : m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
             tr("Displays help on commandline options."))
    , m_version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                tr("Displays version information."))
    , m_dataDirOption(QStringLiteral("data-dir"),
                      //: <dir> is the value name of the option, translated as "dir" below.
                      tr("Keeps settings, books and coloured pictures in <dir> instead of the "
                         "per-user data folder."),
                      //: The value name of --data-dir, shown as <dir> in the help.
                      tr("dir"))
    , m_importPackOption(QStringLiteral("import-pack"),
                         //: <file> is the value name of the option, translated as "file" below.
                         tr("Adds the pictures of the picture pack <file> to the books."),
                         //: The value name of --import-pack, shown as <file> in the help.
                         tr("file"))
{
    m_parser.setApplicationDescription(tr("The Tintaloo: a colouring book for young children."));
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    m_parser.addOption(m_dataDirOption);
    m_parser.addOption(m_importPackOption);
    m_parser.addPositionalArgument(QStringLiteral("pack"),
                                   tr("A picture pack (.tpk) to add after a parent allows it."),
                                   //: The positional argument's name in the usage line.
                                   tr("[pack]"));
}

CommandLine::Outcome CommandLine::parse(const QStringList& arguments)
{
    if (!m_parser.parse(arguments)) {
        m_error = m_parser.errorText();
        return Outcome::UsageError;
    }
    if (m_parser.isSet(m_help))
        return Outcome::ShowHelp;
    if (m_parser.isSet(m_version))
        return Outcome::ShowVersion;

    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() > 1) {
        m_error = tr("Only one picture pack can be opened at a time.");
        return Outcome::UsageError;
    }
    m_packToOpen = positional.value(0);
    m_dataDirGiven = m_parser.isSet(m_dataDirOption);
    m_dataDir = m_parser.value(m_dataDirOption);
    m_importPack = m_parser.value(m_importPackOption);
    if (m_parser.isSet(m_importPackOption) && m_importPack.isEmpty()) {
        m_error = tr("--import-pack needs the name of a picture pack file.");
        return Outcome::UsageError;
    }
    return Outcome::Run;
}

QString CommandLine::helpText() const
{
    return m_parser.helpText();
}

QString CommandLine::versionText()
{
    return ProductInfo::versionLine();
}
