// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/USobre.h"

#include "core/Language.h"
#include "core/RunError.h"
#include "tests/support/WindowSteps.h"

using namespace Qt::StringLiterals;

namespace {

// An icon file's entry: its declared side and its image's colour, none for an
// image past the end of the file.
struct IconEntry {
    int side;
    QRgb colour = 0;
};

// An icon file made entry by entry from images Qt writes one to a file.
QByteArray IconFile(const QList<IconEntry>& entries) {
    QByteArray file(6, '\0'), data;
    file[2] = 1; // an icon
    qToLittleEndian<quint16>(quint16(entries.size()), file.data() + 4);
    QHash<QPair<int, QRgb>, QByteArray> made; // each image encoded once
    for (const IconEntry& e : entries) {
        QByteArray& one = made[qMakePair(e.side, e.colour)];
        if (one.isEmpty()) {
            QImage image(e.side, e.side, QImage::Format_ARGB32);
            image.fill(e.colour);
            QBuffer buffer(&one);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "ico");
        }
        QByteArray entry = one.mid(6, 16);
        const qint64 at = 6 + 16 * qint64(entries.size()) + data.size();
        qToLittleEndian<quint32>(e.colour ? quint32(at) : 0x7FFFFFF0u, entry.data() + 12);
        file += entry;
        data += e.colour ? one.mid(22) : QByteArray();
    }
    return file + data;
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    static QLabel* Label(const QWidget& w, const char* n) { return w.findChild<QLabel*>(n); }
    // Caption, product name, credits, comment, version and button.
    static QStringList Texts(const TFSobre& box) {
        QStringList texts = {box.windowTitle()};
        for (const char* name : {"ProductName", "Copyright", "Comments", "Version"})
            texts << Label(box, name)->text();
        return texts << box.findChild<QPushButton*>()->text();
    }
    // For a program file that does not exist: the name rules only, no year.
    static void SetUp(TFSobre& box, const char* program, const QString& icon = {}) {
        box.Setup(QStringLiteral("Espejos"), icon, ProgramNameAndYear(program));
    }

private slots:
    // Its controls' places; the program's name by its file's name (the texts of every language
    // are LanguageTest's); an icon only from an icon file.
    void placesTextsIconAndClosing() {
        const std::pair<const char*, QPoint> places[] = {
            {"PanSobre", {9, 10}},  {"Icona", {1, 1}},        {"ProductName", {40, 19}},
            {"Version", {234, 39}}, {"Copyright", {72, 110}}, {"Comments", {16, 67}},
            {"BtSobre", {111, 184}}};
        const TFSobre fresh;
        QCOMPARE(fresh.objectName(), QStringLiteral("FSobre"));
        for (const auto& [name, place] : places)
            QVERIFY2(fresh.findChild<QWidget*>(name) &&
                         fresh.findChild<QWidget*>(name)->pos() == place,
                     name);
        UseLanguage(LangSpanish);
        const QString credits = u"Equipo Vexaria  \nhttp://vexaria.example.org/es \n"
                                u"mail: vexaria@example.org"_s;
        const std::pair<const char*, QString> names[] = {{"/usr/bin/MIRVEX.EXE", "MIRVEX"},
                                                         {"/v.2/Mirvex.old.exe", "Mirvex"},
                                                         {"mirvex", "mirvex"}};
        for (const auto& [program, base] : names) {
            TFSobre box;
            SetUp(box, program);
            QCOMPARE(Texts(box),
                     QStringList({"Sobre " + base, base, credits, "Espejos", "", "¡Vaya!"}));
        }
        QImage image(48, 48, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(dir.filePath("real.ico"), "ico"));
        for (const auto& [name, side] : {std::pair{"missing.ico", 0}, {".", 0}, {"real.ico", 32}}) {
            TFSobre box;
            SetUp(box, "mirvex", dir.filePath(name));
            QLabel* icon = Label(box, "Icona");
            QCOMPARE(icon->pixmap().size(), QSize(side, side));
            QCOMPARE(icon->grab().toImage().pixel(31, 31) == qRgb(255, 0, 0), side > 0);
        }
        // Closed every way (hidden), then shown again, it keeps its place and
        // texts; its centring at first is FitTest's.
        const QPointer<TFSobre> box = new TFSobre;
        SetUp(*box, "/opt/Mirvex.old");
        box->ShowModeless();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        box->move(60, 70);
        const QStringList texts = Texts(*box);
        box->ShowModeless();
        const std::pair<const char*, std::function<void()>> closings[] = {
            {"button", [&] { QTest::mouseClick(box->findChild<QPushButton*>(), Qt::LeftButton); }},
            {"Enter", [&] { QTest::keyClick(box, Qt::Key_Return); }},
            {"Escape", [&] { QTest::keyClick(box, Qt::Key_Escape); }},
            {"close box", [&] { box->close(); }}};
        for (const auto& [way, close] : closings) {
            close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(box && !box->isVisible(), way);
            box->ShowModeless();
            QVERIFY2(box->pos() == QPoint(60, 70) && Texts(*box) == texts, way);
        }
        // Open, it lets the program end when the main window closes.
        QWidget main;
        main.show();
        box->ShowModeless();
        QTimer::singleShot(0, &main, &QWidget::close);
        QTimer::singleShot(5000, &main, [] { QCoreApplication::exit(1); }); // kept running
        QCOMPARE(QCoreApplication::exec(), 0);
        delete box;
    }

    // Only the image shown is decoded, chosen by the directory's sizes: the
    // others may be broken, and there may be tens of thousands.
    void iconDecodesOnlyTheImageItShows_data() {
        QTest::addColumn<QList<IconEntry>>("entries");
        QTest::addColumn<QRgb>("shown");
        const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), green = qRgb(0, 255, 0);
        QTest::newRow("a broken image not shown") << QList<IconEntry>{{16}, {32, red}} << red;
        QList<IconEntry> many(65534, IconEntry{48});
        many << IconEntry{32, blue};
        QTest::newRow("65 535 images") << many << blue;
        QTest::newRow("the largest, with no 32 x 32")
            << QList<IconEntry>{{16, green}, {48, blue}, {24, red}} << blue;
        QTest::newRow("the last 32 x 32")
            << QList<IconEntry>{{32, green}, {48, red}, {32, blue}} << blue;
    }
    void iconDecodesOnlyTheImageItShows() {
        QFETCH(QList<IconEntry>, entries);
        QFETCH(QRgb, shown);
        const QByteArray bytes = IconFile(entries);
        QVERIFY(bytes.size() < IconFileMaxBytes && Put(dir.filePath("many.ico"), bytes));
        TFSobre box;
        SetUp(box, "mirvex", dir.filePath("many.ico")); // a refusal fails the test as it escapes
        QLabel* icon = Label(box, "Icona");
        QCOMPARE(icon->pixmap().size(), QSize(32, 32));
        QCOMPARE(icon->pixmap().toImage().pixel(16, 16), shown);
    }

    void badIcon_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("not an icon\r\n");
        QTest::newRow("truncated header") << QByteArray("\0\0\1\0\1\0", 6);
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QBuffer png; // Qt would read it by its content, but an .ico must be an icon
        QVERIFY(png.open(QIODevice::WriteOnly) && picture.save(&png, "PNG"));
        QTest::newRow("PNG named .ico") << png.data();
        QByteArray large = IconFile({{32, qRgb(255, 0, 0)}});
        large.resize(IconFileMaxBytes + 1, '\0'); // a good icon, then too much
        QTest::newRow("larger than the bound") << large;
    }
    void badIcon() {
        QFETCH(QByteArray, content);
        QVERIFY(Put(dir.filePath("bad.ico"), content));
        TFSobre box;
        const QStringList before = Texts(box);
        try {
            SetUp(box, "mirvex", dir.filePath("bad.ico"));
            QFAIL("accepted");
        } catch (const RunError& error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Icon image is not valid"));
        }
        QCOMPARE(Texts(box).mid(2), before.mid(2));
    }
};

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
