#include "USobre.h"

#include "FileInfo.h"
#include "Language.h"
#include "RunError.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

const QString DesignTexts[] = {QStringLiteral("Copyright"), QStringLiteral("Comments"),
                               QStringLiteral("Version"), QStringLiteral("Vaja !")};

QLabel* Label(const TFSobre& box, const char* name) {
    return box.findChild<QLabel*>(QLatin1String(name));
}

QPushButton* Button(const TFSobre& box) {
    return box.findChild<QPushButton*>(QStringLiteral("BtSobre"));
}

// Credits, comment, version and button: the texts that a failed icon leaves
// as they were.
QStringList LaterTexts(const TFSobre& box) {
    return {Label(box, "Copyright")->text(), Label(box, "Comments")->text(),
            Label(box, "Version")->text(), Button(box)->text()};
}

// A program file that does not exist: name rules only, no year.
TProgramNameYear Program(const char* path) {
    return ProgramNameAndYear(QString::fromUtf8(path));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void WriteIcon(const QString& path, int size, QColor colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    QImageWriter writer(path, "ico");
    QVERIFY2(writer.write(image), qPrintable(writer.errorString()));
}

void SetWritten(const QString& path, const QDateTime& utc) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(utc, QFileDevice::FileModificationTime));
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        Language = LangSpanish;
        QVERIFY(dir.isValid());
    }

    void designLayout();
    void captionAndTexts_data();
    void captionAndTexts();
    void labelsFitTheirTexts();
    void yearInLocalTime();
    void noIconWithoutAFile_data();
    void noIconWithoutAFile();
    void badIconKeepsLaterTexts_data();
    void badIconKeepsLaterTexts();
    void iconDrawnAtStandardSize_data();
    void iconDrawnAtStandardSize();
    void firstShowingIsCentred();
    void showingAgainWhileOpenChangesNothing();
    void closingOnlyHides_data();
    void closingOnlyHides();
    void escapeDoesNotClose();
    void openBoxLetsProgramEnd();
    void globalBox();

private:
    QTemporaryDir dir;
};

void AboutTest::designLayout() {
    const TFSobre box;
    QCOMPARE(box.objectName(), QStringLiteral("FSobre"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Quant a..."));
    QCOMPARE(box.size(), QSize(298, 213));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QCOMPARE(box.font().pixelSize(), 11);
    const Qt::WindowFlags flags = box.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    QFrame* panel = box.findChild<QFrame*>(QStringLiteral("PanSobre"));
    QVERIFY(panel);
    QCOMPARE(panel->geometry(), QRect(9, 10, 281, 167));
    QCOMPARE(panel->frameShape(), QFrame::Box);
    QCOMPARE(panel->frameShadow(), QFrame::Sunken);
    QCOMPARE(panel->frameWidth(), 2);
    // A raised inner bevel inside a lowered outer one: shadow, then light at
    // the left edge; shadow, then light going out at the right edge.
    const QImage bevel = panel->grab().toImage();
    const int mid = panel->height() / 2;
    const QRgb shadow = panel->palette().color(QPalette::Dark).rgb();
    const QRgb light = panel->palette().color(QPalette::Light).rgb();
    QCOMPARE(bevel.pixel(0, mid), shadow);
    QCOMPARE(bevel.pixel(1, mid), light);
    QCOMPARE(bevel.pixel(panel->width() - 2, mid), shadow);
    QCOMPARE(bevel.pixel(panel->width() - 1, mid), light);

    QStringList order;
    for (const QObject* child : panel->children())
        order << child->objectName();
    QCOMPARE(order, QStringList({"Icona", "ProductName", "Version", "Copyright", "Comments"}));

    QLabel* icon = Label(box, "Icona");
    QCOMPARE(icon->geometry(), QRect(1, 1, 32, 32));
    QVERIFY(icon->pixmap().isNull());

    struct Design {
        const char* name;
        QPoint place;
        const char* text;
        int pixels;
        bool bold;
        QColor colour;
    };
    const Design designs[] = {
        {"ProductName", {40, 19}, "Product Name", 32, true, QColor(0, 0, 128)},
        {"Version", {234, 39}, "Version", 11, false, box.palette().color(QPalette::WindowText)},
        {"Copyright", {72, 110}, "Copyright", 13, false, QColor(0, 128, 128)},
        {"Comments", {16, 67}, "Comments", 13, true, QColor(0, 0, 255)},
    };
    for (const Design& d : designs) {
        const QLabel* label = Label(box, d.name);
        QVERIFY2(label, d.name);
        QCOMPARE(label->pos(), d.place);
        QCOMPARE(label->text(), QString::fromUtf8(d.text));
        QCOMPARE(label->font().pixelSize(), d.pixels);
        QCOMPARE(label->font().bold(), d.bold);
        QCOMPARE(label->palette().color(QPalette::WindowText), d.colour);
    }
    QCOMPARE(Label(box, "ProductName")->font().family(), QStringLiteral("Comic Sans MS"));
    QVERIFY(Label(box, "Comments")->wordWrap());

    const QPushButton* button = Button(box);
    QCOMPARE(button->geometry(), QRect(111, 184, 75, 25));
    QCOMPARE(button->text(), QStringLiteral("Vaja !"));
    QVERIFY(button->isDefault());
}

void AboutTest::captionAndTexts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("web");
    QTest::addColumn<QString>("button");

    const QString es = QStringLiteral("http://vexaria.example.org/es ");
    const QString vaya = QStringLiteral("¡Vaya!");
    QTest::newRow("upper case with extension") << 2 << "/usr/bin/MIRVEX.EXE"
                                               << "Sobre MIRVEX"
                                               << "MIRVEX" << es << vaya;
    QTest::newRow("several dots") << 2 << "/opt/v.2/Mirvex.old.exe"
                                  << "Sobre Mirvex"
                                  << "Mirvex" << es << vaya;
    QTest::newRow("no dot is its own base") << 2 << "/opt/vexaria/mirvex"
                                            << "Sobre mirvex"
                                            << "mirvex" << es << vaya;
    QTest::newRow("leading dot") << 2 << "/srv/.mirvex"
                                 << "Sobre "
                                 << "" << es << vaya;
    QTest::newRow("English") << 1 << "/opt/vexaria/mirvex"
                             << "About mirvex"
                             << "mirvex"
                             << "http://vexaria.example.org/en "
                             << "Done";
    QTest::newRow("Catalan") << 0 << "/opt/vexaria/mirvex"
                             << "Quant a mirvex"
                             << "mirvex"
                             << "http://vexaria.example.org "
                             << "Vaja!";
}

void AboutTest::captionAndTexts() {
    QFETCH(int, language);
    QFETCH(QString, program);
    QFETCH(QString, caption);
    QFETCH(QString, product);
    QFETCH(QString, web);
    QFETCH(QString, button);

    Language = TLanguage(language);
    TFSobre box;
    box.Setup(QStringLiteral("Vexaria"), dir.filePath(QStringLiteral("none.ico")),
              ProgramNameAndYear(program));
    QCOMPARE(box.windowTitle(), caption);
    QCOMPARE(Label(box, "ProductName")->text(), product);
    QCOMPARE(Label(box, "ProductName")->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    // The program file does not exist here, so there is no year.
    QCOMPARE(Label(box, "Copyright")->text(), QStringLiteral("Equipo Vexaria  \n") + web +
                                                  QStringLiteral("\nmail: vexaria@example.org"));
    QCOMPARE(Label(box, "Comments")->text(), QStringLiteral("Vexaria"));
    QCOMPARE(Label(box, "Version")->text(), QString());
    QCOMPARE(Button(box)->text(), button);
}

void AboutTest::labelsFitTheirTexts() {
    TFSobre box;
    const QString longTitle =
        QStringLiteral("Formación de imágenes en espejos planos, convexos y cóncavos");
    box.Setup(longTitle, QString(), Program("/opt/vexaria/mirvex"));

    const QLabel* copyright = Label(box, "Copyright");
    const QFontMetrics credits(copyright->font());
    QCOMPARE(copyright->pos(), QPoint(72, 110));
    QVERIFY(copyright->height() >= 3 * credits.height());
    QVERIFY(copyright->height() < 4 * credits.height());
    // Qt leaves trailing blanks out of a line's width and rounds a centred
    // line's edges, so allow a pixel or two.
    int widest = 0;
    for (const QString& line : copyright->text().split(u'\n'))
        widest = std::max(widest, credits.horizontalAdvance(line.trimmed()));
    QVERIFY2(std::abs(copyright->width() - widest) <= 2,
             qPrintable(QString::number(copyright->width())));

    // Broken at the designed width into lines no wider than it.
    const QLabel* comments = Label(box, "Comments");
    const QFontMetrics comment(comments->font());
    QCOMPARE(comments->pos(), QPoint(16, 67));
    QVERIFY(comments->width() <= 249);
    QVERIFY(comments->width() > 249 / 2);
    QVERIFY(comments->height() >= 2 * comment.height());

    const QLabel* product = Label(box, "ProductName");
    QCOMPARE(product->pos(), QPoint(40, 19));
    QCOMPARE(product->width(),
             QFontMetrics(product->font()).horizontalAdvance(QStringLiteral("mirvex")));

    // An emptied label keeps the height of a line in its place.
    const QLabel* version = Label(box, "Version");
    QCOMPARE(version->pos(), QPoint(234, 39));
    QCOMPARE(version->height(), QFontMetrics(version->font()).height());
}

void AboutTest::yearInLocalTime() {
    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", "Europe/Madrid");
    tzset();

    const QString program = dir.filePath(QStringLiteral("mirvex"));
    WriteFile(program, "program");
    SetWritten(program, QDateTime(QDate(2023, 12, 31), QTime(23, 30), Qt::UTC));
    TFSobre box;
    box.Setup(QStringLiteral("Vexaria"), QString(), ProgramNameAndYear(program));

    if (savedZone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", savedZone);
    tzset();
    QCOMPARE(Label(box, "Copyright")->text().section(u'\n', 0, 0),
             QStringLiteral("Equipo Vexaria  2024"));
}

void AboutTest::noIconWithoutAFile_data() {
    QTest::addColumn<bool>("directory");
    QTest::newRow("missing") << false;
    QTest::newRow("directory") << true;
}

void AboutTest::noIconWithoutAFile() {
    QFETCH(bool, directory);
    const QString path = dir.filePath(QStringLiteral("absent/mirvex.ico"));
    if (directory)
        QVERIFY(QDir().mkpath(path));

    TFSobre box;
    box.Setup(QStringLiteral("Vexaria"), path, Program("mirvex"));
    QVERIFY(Label(box, "Icona")->pixmap().isNull());
    QCOMPARE(Button(box)->text(), QStringLiteral("¡Vaya!"));
}

void AboutTest::badIconKeepsLaterTexts_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("text") << QByteArray("not an icon\r\n");
    QTest::newRow("empty") << QByteArray();
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    // Qt would read it by its content, but an .ico must be an icon.
    QTest::newRow("PNG named .ico") << png;
    QTest::newRow("truncated icon header") << QByteArray("\0\0\1\0\1\0", 6);
}

void AboutTest::badIconKeepsLaterTexts() {
    QFETCH(QByteArray, content);
    const QString path = dir.filePath(QStringLiteral("bad.ico"));
    WriteFile(path, content);

    TFSobre box;
    QStringList before(std::begin(DesignTexts), std::end(DesignTexts));
    QCOMPARE(LaterTexts(box), before);
    QString message;
    try {
        box.Setup(QStringLiteral("Vexaria"), path, Program("/a/Mirvex.old"));
    } catch (const RunError& error) {
        message = QString::fromUtf8(error.what());
    }
    QCOMPARE(message, QStringLiteral("Icon image is not valid"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Sobre Mirvex"));
    QCOMPARE(Label(box, "ProductName")->text(), QStringLiteral("Mirvex"));
    QVERIFY(Label(box, "Icona")->pixmap().isNull());
    QCOMPARE(LaterTexts(box), before);

    // A later set-up that fails the same way keeps the texts of the last
    // good one.
    box.Setup(QStringLiteral("Vexaria"), QString(), Program("/a/mirvex"));
    before = LaterTexts(box);
    QVERIFY_THROWS_EXCEPTION(RunError, box.Setup(QStringLiteral("Otro"), path, Program("/a/x")));
    QCOMPARE(LaterTexts(box), before);
}

void AboutTest::iconDrawnAtStandardSize_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("32") << 32;
    QTest::newRow("16 stretched") << 16;
    QTest::newRow("48 shrunk") << 48;
}

void AboutTest::iconDrawnAtStandardSize() {
    QFETCH(int, size);
    const QString path = dir.filePath(QStringLiteral("mirvex.ico"));
    WriteIcon(path, size, QColor(200, 30, 40));

    TFSobre box;
    box.Setup(QStringLiteral("Vexaria"), path, Program("mirvex"));
    const QLabel* icon = Label(box, "Icona");
    QCOMPARE(icon->pixmap().size(), QSize(32, 32));
    QCOMPARE(icon->geometry(), QRect(1, 1, 32, 32));
    const QImage drawn = box.grab().toImage();
    const QPoint corner = box.findChild<QFrame*>(QStringLiteral("PanSobre"))->pos() + icon->pos();
    for (const QPoint p : {QPoint(0, 0), QPoint(31, 31), QPoint(16, 5)})
        QCOMPARE(QColor(drawn.pixel(corner + p)), QColor(200, 30, 40));

    // Gone from the current directory later: the picture stays.
    QVERIFY(QFile::remove(path));
    box.Setup(QStringLiteral("Vexaria"), path, Program("mirvex"));
    QCOMPARE(icon->pixmap().size(), QSize(32, 32));
}

void AboutTest::firstShowingIsCentred() {
    TFSobre box;
    box.Setup(QStringLiteral("Vexaria"), QString(), Program("mirvex"));
    box.ShowModeless();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect screen = box.screen()->geometry();
    const QRect outer = box.frameGeometry();
    QCOMPARE(outer.topLeft(), screen.topLeft() + QPoint((screen.width() - outer.width()) / 2,
                                                        (screen.height() - outer.height()) / 2));
}

void AboutTest::showingAgainWhileOpenChangesNothing() {
    const QString program = dir.filePath(QStringLiteral("mirvex"));
    WriteFile(program, "program");
    SetWritten(program, QDateTime(QDate(2021, 6, 1), QTime(12, 0), Qt::UTC));

    TFSobre box;
    box.Setup(QStringLiteral("Vexaria"), QString(), ProgramNameAndYear(program));
    box.ShowModeless();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.move(40, 50); // where the user dragged it
    const QStringList texts = LaterTexts(box);
    const QString caption = box.windowTitle();

    // Rewritten while the program runs: opening again reads nothing.
    SetWritten(program, QDateTime(QDate(2030, 6, 1), QTime(12, 0), Qt::UTC));
    box.ShowModeless();
    QVERIFY(box.isVisible());
    QCOMPARE(box.pos(), QPoint(40, 50));
    QCOMPARE(LaterTexts(box), texts);
    QCOMPARE(box.windowTitle(), caption);
    QVERIFY(texts.first().startsWith(QStringLiteral("Equipo Vexaria  2021\n")));
}

void AboutTest::closingOnlyHides_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("button") << 0;
    QTest::newRow("Enter on the form") << 1;
    QTest::newRow("keypad Enter") << 2;
    QTest::newRow("close box") << 3;
}

void AboutTest::closingOnlyHides() {
    QFETCH(int, way);
    auto* box = new TFSobre;
    const QPointer<TFSobre> alive(box);
    box->Setup(QStringLiteral("Vexaria"), QString(), Program("mirvex"));
    box->ShowModeless();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    box->move(60, 70);
    const QStringList texts = LaterTexts(*box);

    switch (way) {
    case 0:
        QTest::mouseClick(Button(*box), Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(box, Qt::Key_Return);
        break;
    case 2:
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        break;
    default:
        QVERIFY(box->close());
        break;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive);
    QVERIFY(!box->isVisible());

    box->ShowModeless();
    QVERIFY(box->isVisible());
    QCOMPARE(box->pos(), QPoint(60, 70));
    QCOMPARE(LaterTexts(*box), texts);
    delete box;
}

void AboutTest::escapeDoesNotClose() {
    TFSobre box;
    box.ShowModeless();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::keyClick(&box, Qt::Key_Escape);
    QTest::keyClick(Button(box), Qt::Key_Escape);
    QVERIFY(box.isVisible());
}

void AboutTest::openBoxLetsProgramEnd() {
    QWidget main;
    main.show();
    TFSobre box;
    box.ShowModeless();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    // Closing the main window ends the event loop (exit code 0) even with
    // the box still open; exit code 1 would mean the box kept it running.
    QTimer::singleShot(0, &main, &QWidget::close);
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

void AboutTest::globalBox() {
    // Before the box exists, neither call does anything.
    QVERIFY(FSobre == nullptr);
    SetupAbout(QStringLiteral("Vexaria"), QString());
    ShowAbout();

    TFSobre box;
    FSobre = &box;
    SetupAbout(QStringLiteral("Vexaria"), dir.filePath(QStringLiteral("none.ico")));
    const TProgramNameYear self = ProgramNameAndYear();
    QCOMPARE(self.Name, QStringLiteral("test_about"));
    QVERIFY(!self.Year.isEmpty());
    QCOMPARE(box.windowTitle(), QStringLiteral("Sobre test_about"));
    QVERIFY(
        Label(box, "Copyright")->text().startsWith(QStringLiteral("Equipo Vexaria  ") + self.Year));
    QVERIFY(!box.isVisible());
    ShowAbout();
    QVERIFY(box.isVisible());
    QTRY_VERIFY(box.isActiveWindow());
    FSobre = nullptr;
}

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
