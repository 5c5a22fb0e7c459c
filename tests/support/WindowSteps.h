// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/Presentacio.h"
#include "forms/Principal.h"
#include "forms/USobre.h"

#include <QtTest>
#include <QtWidgets>

#include <cstdlib>
#include <memory>
#include <optional>

// One row of a data-driven test for each row of the table, named by its `name` when it has one
// or by itself when it is a name.
template <typename T> void TableRows(const T& table) {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(table)); ++i) {
        if constexpr (requires { table[i].name; })
            QTest::newRow(table[i].name) << i;
        else if constexpr (std::is_convertible_v<decltype(table[i]), const char*>)
            QTest::newRow(table[i]) << i;
        else
            QTest::addRow("%d", i) << i;
    }
}

// Whether a file of that path, or where there is none a library of that name, is mapped into
// this process.
inline bool Mapped(const QString& file) {
    const QString path = QFileInfo(file).canonicalFilePath();
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) &&
           maps.readAll().contains((path.isEmpty() ? file : path).toUtf8());
}

// Writes the whole of a file of that name in place, so that it keeps its inode.
inline bool Put(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

// What a file holds, "<none>" when it cannot be read.
inline QByteArray Read(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

// Types a name into a file dialog and accepts it, as a user would.
inline void ChooseFile(QFileDialog* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

// The first pixel where the screen shows `view` otherwise than a whole paint of it, beyond
// the few levels a line drawn in pieces may be off at its antialiased edges; none if alike.
inline std::optional<QPoint> ScreenDiffers(QWidget* view) {
    const QPoint at = view->mapTo(view->window(), QPoint(0, 0));
    const QImage shown =
        view->screen()
            ->grabWindow(view->window()->winId(), at.x(), at.y(), view->width(), view->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    const QImage whole = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != whole.size())
        return QPoint(-1, -1);
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            for (const int shift : {0, 8, 16})
                if (std::abs(int(shown.pixel(x, y) >> shift & 0xff) -
                             int(whole.pixel(x, y) >> shift & 0xff)) > 6)
                    return QPoint(x, y);
    return std::nullopt;
}

// The program's settings kept in `dir`, with the classroom view turned off: the panel's own look.
inline void PanelLookIn(const QTemporaryDir& dir) {
    QVERIFY(QDir().mkpath(dir.filePath("config/Vexaria")));
    QFile conf(dir.filePath("config/Vexaria/vexaria.conf"));
    QVERIFY(conf.open(QIODevice::WriteOnly) && conf.write("classroomview=false\n") > 0);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
}

// The main window, driven through its controls by name.
class MainWindowSteps : public QObject {
protected:
    QTemporaryDir dir; // the test's own folder
    std::unique_ptr<TFPrincipal> w;

    void start() {
        FSobre = nullptr; // an about box left by a test that failed
        w = std::make_unique<TFPrincipal>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()) && QTest::qWaitForWindowActive(w.get()));
    }
    template <typename T = QWidget> T* get(const QString& name) const {
        return w->findChild<T*>(name);
    }
    QString text(const QString& name) const { return get(name)->property("text").toString(); }
    QScrollBar* bar() const { return get<QScrollBar>("BarraDespl"); }
    // The object at x, where the scroll bar says it is and the field says it is (or shows `field`).
    void at(double x, const std::optional<QString>& field = {}) {
        QCOMPARE(std::tuple(LastObjectPos, bar()->value(), text("EdPosObj")),
                 std::tuple(x, int(std::clamp(100 + x, 0.0, 100.0)),
                            field.value_or(QString::number(qint64(-x)))));
    }
    // A distance typed into the object's field and taken with a key.
    void type(const QString& t, Qt::Key key = Qt::Key_Return) {
        get<QLineEdit>("EdPosObj")->setText(t);
        QTest::keyClick(get("EdPosObj"), key);
    }
    // A tool button clicked, or else a menu item chosen.
    void command(const QString& name) {
        if (auto* b = get<QToolButton>(name))
            return QTest::mouseClick(b, Qt::LeftButton);
        get<QAction>(name)->trigger();
    }
    TFPresentacio* pres() const { return get<TFPresentacio>("FPresentacio"); }
    // The presentation opened from its menu, once shown.
    TFPresentacio* present() {
        get<QAction>("OpPresentacio")->trigger();
        return pres() && QTest::qWaitForWindowExposed(pres()) ? pres() : nullptr;
    }
    // A window out of full screen, at that size once the window system has given it.
    static void resize(QWidget* window, QSize size) {
        window->showNormal();
        window->resize(size);
        QTRY_COMPARE(window->size(), size);
        QApplication::processEvents();
    }
};
