// SPDX-License-Identifier: GPL-3.0-or-later
// Printing copies on a real print server: a private cupsd (its own
// configuration, spool and socket in a temporary folder) with a queue that
// turns every job into a PDF file through the same filters a real printer
// queue uses, copies included. The picture is printed with 3 copies through
// the print command's own step, and the pages that come out are counted.
#include "ui/PicturePrinting.h"

#include "support/TestTools.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString Cupsd = QStringLiteral("/usr/sbin/cupsd");
const QString Lpadmin = QStringLiteral("/usr/sbin/lpadmin");
const QString Lpstat = QStringLiteral("/usr/bin/lpstat");
const QString PdfFilter = QStringLiteral("/usr/lib/cups/filter/pdftopdf");
const QString PdfPrinterPpd = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");
const QString QueueName = QStringLiteral("tintaloo_test");

bool writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(10000))
        return QStringLiteral("(timed out)");
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
}

class PrintServer
{
public:
    ~PrintServer()
    {
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(3000))
                m_cupsd.kill();
            m_cupsd.waitForFinished(1000);
        }
    }

    QString socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }
    QString output() const { return m_dir.filePath(QStringLiteral("out/printed.pdf")); }
    QString log() const
    {
        QFile file(m_dir.filePath(QStringLiteral("log/error_log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll().right(4000)) : QString();
    }

    // Starts cupsd on a socket of its own; "" on success, else what failed.
    QString start()
    {
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        const QString root = m_dir.path();
        // Filters run as the server's user; as root that is "lp", which must
        // reach the spool and the files below.
        QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        for (const char* sub : {"spool", "spool/tmp", "cache", "log", "run", "out"})
            QDir(root).mkpath(QString::fromLatin1(sub));
        const QString conf = QStringLiteral(
            "Listen %1\nLogLevel info\nWebInterface No\nBrowsing No\nDefaultAuthType None\n"
            "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
            "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                                 .arg(socket());
        QString files = QStringLiteral(
            "ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
            "StateDir %1/run\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
            "PageLog %1/log/page_log\nFileDevice Yes\n")
                            .arg(root);
        if (getuid() == 0)
            files += QStringLiteral("User lp\nGroup lp\nSystemGroup root\n");
        if (!writeFile(root + QStringLiteral("/cupsd.conf"), conf)
            || !writeFile(root + QStringLiteral("/cups-files.conf"), files))
            return QStringLiteral("cannot write the configuration");

        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start(Cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/cupsd.conf"),
                              QStringLiteral("-s"), root + QStringLiteral("/cups-files.conf")});
        if (!m_cupsd.waitForStarted(5000))
            return QStringLiteral("cupsd did not start");
        QElapsedTimer clock;
        clock.start();
        while (!QFileInfo::exists(socket())) {
            if (m_cupsd.state() == QProcess::NotRunning || clock.elapsed() > 8000)
                return QStringLiteral("cupsd did not listen: ") + QString::fromLocal8Bit(m_cupsd.readAll()) + log();
            QThread::msleep(50);
        }
        const QString added = run(Lpadmin, {QStringLiteral("-h"), socket(), QStringLiteral("-p"), QueueName,
                                            QStringLiteral("-E"), QStringLiteral("-v"),
                                            QStringLiteral("file://") + output(), QStringLiteral("-P"),
                                            PdfPrinterPpd});
        if (!run(Lpstat, {QStringLiteral("-h"), socket(), QStringLiteral("-p"), QueueName}).contains(QueueName))
            return QStringLiteral("the queue was not made: ") + added + log();
        return {};
    }

    // Waits until the queue has no job left and the output is written.
    bool waitForOutput(int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            const QString jobs = run(Lpstat, {QStringLiteral("-h"), socket(), QStringLiteral("-o"), QueueName});
            if (jobs.trimmed().isEmpty() && QFileInfo(output()).size() > 0)
                return true;
            QThread::msleep(200);
        }
        return false;
    }

private:
    QTemporaryDir m_dir;
    QProcess m_cupsd;
};

QImage picture()
{
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 20; y < 70; ++y)
        for (int x = 30; x < 90; ++x)
            image.setPixel(x, y, qRgb(220, 40, 40));
    return image;
}

} // namespace

TEST(PrintServer, ThreeCopiesMakeThreeSheets)
{
    for (const QString& needed : {Cupsd, Lpadmin, Lpstat, PdfFilter, PdfPrinterPpd})
        if (!QFileInfo::exists(needed))
            GTEST_SKIP() << "NOT TESTED: no print server here (" << needed.toStdString()
                         << " is missing); install the Debian packages cups-daemon cups-client cups-filters";

    PrintServer server;
    const QString failure = server.start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    // Before anything in this process asks for printers.
    qputenv("CUPS_SERVER", server.socket().toLocal8Bit());

    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(QueueName);
    ASSERT_TRUE(printer.isValid()) << "the print support does not see the queue";
    ASSERT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
    // As the print dialog leaves it when the parent asks for 3 copies.
    printer.setCopyCount(3);
    ASSERT_TRUE(PicturePrinting::printChosenCopies(printer, picture()));

    ASSERT_TRUE(server.waitForOutput(15000)) << server.log().toStdString();
    EXPECT_EQ(pagesIn(server.output()), 3);
}
