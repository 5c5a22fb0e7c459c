// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows say when a file cannot be trusted or kept: a language
// choice the settings file cannot keep, and a tool list another user could
// have written.
#include "core/Language.h"
#include "forms/Principal.h"
#include "forms/ToolsMenu.h"
#include "tests/support/ReportCatcher.h"
#include "util/Shell.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>
#include <unistd.h>

class FileSafetyTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString conf() const { return dir.filePath("config/Vexaria/vexaria.conf"); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid() && QDir::setCurrent(dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        QVERIFY(QDir().mkpath(dir.filePath("config/Vexaria")));
    }

    // Said once, in the language just picked, which the windows speak all
    // the same; what stood there is left as it was. The kinds of file that
    // are not written are the safe write's own test; a folder stands for
    // them here.
    void aChoiceThatCannotBeKeptIsSaidOnceInIt() {
        QVERIFY(QDir().mkdir(conf()));
        struct stat was {};
        QCOMPARE(::lstat(qPrintable(conf()), &was), 0);
        Language = LangSpanish;
        TFPrincipal w;
        w.show();
        ReportCatcher reports;
        w.findChild<QAction*>("OpEnglish")->trigger();
        QTRY_COMPARE(reports.boxes.size(), size_t(1));
        QVERIFY2(reports.boxes[0].text.startsWith(
                     "The chosen language cannot be kept for the next start: \"" + conf() +
                     "\": it is not a regular file"),
                 qPrintable(reports.boxes[0].text));
        QCOMPARE(Language, LangEnglish);
        QTest::qWait(50);
        QCOMPARE(reports.boxes.size(), size_t(1));
        struct stat now {};
        QCOMPARE(::lstat(qPrintable(conf()), &now), 0);
        QCOMPARE(std::tuple(now.st_mode, now.st_ino), std::tuple(was.st_mode, was.st_ino));
    }

    // The tools of a list in a folder others may write (or of another
    // user's list) are listed but started only when the user says so,
    // after a question that names the list's owner.
    void aListOthersCouldHaveWrittenAsksFirst() {
        QVERIFY(QDir().mkdir("shared") && QDir::setCurrent("shared"));
        QCOMPARE(::chmod(".", 01777), 0);
        QFile list("Tools.rel");
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("Web\r\nhttps://x.org\r\n\r\n\r\n");
        list.close();
        QString owner;
        QCOMPARE(ToolListRefusal("Tools.rel", &owner), ShellRefusal::FolderWritableByOthers);
        QVERIFY(!owner.isEmpty());
        int launches = 0;
        SetShellOpenHook([&launches](const ShellRequest&) { return ++launches > 0; });
        TFPrincipal w;
        w.show();
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            ReportCatcher asked({}, answer);
            emit ToolsMenuItem->aboutToShow();
            ToolsMenuItem->actions().at(FirstToolItemIndex)->trigger();
            QCOMPARE(asked.boxes.size(), 1u);
            QVERIFY2(asked.boxes[0].name == "MsgForeignToolList" &&
                         asked.boxes[0].text.contains(owner),
                     qPrintable(asked.boxes[0].text));
            QCOMPARE(launches, answer == QMessageBox::Yes ? 1 : 0);
        }
        SetShellOpenHook({});
        QVERIFY(QDir::setCurrent(dir.path()));
    }
};

QTEST_MAIN(FileSafetyTest)
#include "FileSafetyTest.moc"
