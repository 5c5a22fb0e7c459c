// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/DiagramMenu.h"

#include "core/Language.h"
#include "diagram/DiagramRecord.h"
#include "diagram/Lesson.h"
#include "forms/ClassroomView.h"
#include "forms/ErrorReport.h"
#include "forms/GraficPanel.h"
#include "forms/PngSizeDialog.h"
#include "forms/PrintModule.h"
#include "plot/PictureFile.h"
#include "util/PictureWrite.h"
#include "util/SafeFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

namespace {

// The menu, its commands and the save dialog's filters; the main window
// takes the first four again at a change of language.
constexpr TLangText LangDiagram = {"TDiagramCommands",
                                   QT_TRANSLATE_NOOP("TDiagramCommands", "Diagrama")};
constexpr TLangText LangSaveDiagram = {
    "TDiagramCommands", QT_TRANSLATE_NOOP("TDiagramCommands", "Guardar diagrama como...")};
constexpr TLangText LangCopyDiagram = {"TDiagramCommands",
                                       QT_TRANSLATE_NOOP("TDiagramCommands", "Copiar diagrama")};
constexpr TLangText LangPrint = {"TDiagramCommands",
                                 QT_TRANSLATE_NOOP("TDiagramCommands", "Imprimir...")};
constexpr TLangText LangPngFiles = {"TDiagramCommands",
                                    QT_TRANSLATE_NOOP("TDiagramCommands", "Imagen PNG (*.png)")};
constexpr TLangText LangSvgFiles = {"TDiagramCommands",
                                    QT_TRANSLATE_NOOP("TDiagramCommands", "Dibujo SVG (*.svg)")};
constexpr TLangText LangPdfFiles = {"TDiagramCommands",
                                    QT_TRANSLATE_NOOP("TDiagramCommands", "Documento PDF (*.pdf)")};
//: %1 the file, %2 the system's reason.
constexpr TLangText LangPictureNotSaved = {
    "TDiagramCommands", QT_TRANSLATE_NOOP("TDiagramCommands", "No se ha podido guardar «%1»: %2.")};
constexpr TLangText LangNotPrinted = {
    "TDiagramCommands",
    QT_TRANSLATE_NOOP("TDiagramCommands",
                      "No se ha impreso nada: no se ha podido abrir la impresora.")};

// Saved and copied pictures are this many times the panel's size: sharp on
// a projector or a printed page, and still a small file.
constexpr int PictureTimes = 4;

struct FileKind {
    TLangText filter;
    PictureFormat format;
    const char* suffix;
};
const FileKind FileKinds[] = {
    {LangPngFiles, PictureFormat::Png, "png"},
    {LangSvgFiles, PictureFormat::Svg, "svg"},
    {LangPdfFiles, PictureFormat::Pdf, "pdf"},
};

// The panel's client area, which sizes saved, copied and printed pictures
// whatever view they show.
constexpr QSize PanelClient(PanelWidth, PanelHeight);

} // namespace

QFileDialog* NewSaveDialog(QWidget* parent, const QString& objectName, const QString& suffix,
                           QStandardPaths::StandardLocation start) {
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(objectName);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(suffix);
    const QString folder = QStandardPaths::writableLocation(start);
    dialog->setDirectory(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder
                                                                        : QDir::homePath());
    return dialog;
}

QString AskSaveName(QFileDialog& dialog) {
    const QString folder = QDir::currentPath();
    const bool chosen = dialog.exec() == QDialog::Accepted;
    QDir::setCurrent(folder);
    const QStringList files = dialog.selectedFiles();
    if (!chosen || files.isEmpty()) {
        return {};
    }
    dialog.setDirectory(QFileInfo(files.front()).absolutePath());
    return files.front();
}

PictureSource TDiagramCommands::Source() const {
    if (classroom_) {
        if (const std::optional<PictureSource> source = classroom_->pictureSource()) {
            return *source;
        }
    }
    // The lesson's drawing, not the panel's: the panel may be waiting under
    // the presentation with an older one.
    return PanelPicture(lesson_->state().drawing.record);
}

TDiagramCommands::TDiagramCommands(QWidget* window, QMenuBar* menuBar, TGraficPanel* panel,
                                   const TLesson* lesson, std::function<QStringList()> results)
    : QObject(window), window_(window), panel_(panel), lesson_(lesson),
      results_(std::move(results)),
      printModule_(PrintModuleFile(QCoreApplication::applicationDirPath())) {
    setObjectName(QStringLiteral("DiagramCommands"));
    menu_ = new QMenu(LangCaption(LangDiagram), menuBar);
    menu_->setObjectName(QStringLiteral("MenuDiagrama"));
    menuBar->addMenu(menu_);
    const auto command = [this](const char* name, const TLangText& caption,
                                const QKeySequence& keys, void (TDiagramCommands::*handler)()) {
        auto* action = new QAction(LangCaption(caption), window_);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        // The window's shortcut, also while the focus is in a field.
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
                [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); });
        menu_->addAction(action);
        window_->addAction(action);
        return action;
    };
    // Ctrl+C stays with the fields, which copy their text with it.
    command("OpGuardarDiagrama", LangSaveDiagram, QKeySequence(Qt::CTRL | Qt::Key_S),
            &TDiagramCommands::OpGuardarDiagramaClick);
    command("OpCopiarDiagrama", LangCopyDiagram, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
            &TDiagramCommands::OpCopiarDiagramaClick);
    command("OpImprimir", LangPrint, QKeySequence(Qt::CTRL | Qt::Key_P),
            &TDiagramCommands::OpImprimirClick);

    contextMenu_ = new QMenu(panel_);
    contextMenu_->setObjectName(QStringLiteral("MenuContextoDiagrama"));
    contextMenu_->addActions(menu_->actions());
    panel_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { RunHandler([this, at] { ShowContextMenu(at); }); });
}

void TDiagramCommands::ShowContextMenu(const QPoint& at) {
    contextMenu_->popup(panel_->mapToGlobal(at));
}

void TDiagramCommands::OpGuardarDiagramaClick() {
    if (saveDialog_ == nullptr) {
        // Made at first use, like the editor's: most sessions never save.
        saveDialog_ = NewSaveDialog(window_, QStringLiteral("DlgGuardarDiagrama"),
                                    QStringLiteral("png"), QStandardPaths::PicturesLocation);
        connect(saveDialog_, &QFileDialog::filterSelected, saveDialog_,
                [this](const QString& filter) {
                    for (const FileKind& kind : FileKinds) {
                        if (filter == LangCaption(kind.filter)) {
                            saveDialog_->setDefaultSuffix(QLatin1String(kind.suffix));
                        }
                    }
                });
    }
    // Captioned at every opening: the language may have changed since the
    // last, and the kind chosen then stays chosen.
    saveDialog_->setWindowTitle(LangCaption(LangSaveDiagram));
    const qsizetype kept = std::max<qsizetype>(
        0, saveDialog_->nameFilters().indexOf(saveDialog_->selectedNameFilter()));
    QStringList filters;
    for (const FileKind& kind : FileKinds) {
        filters << LangCaption(kind.filter);
    }
    saveDialog_->setNameFilters(filters);
    saveDialog_->selectNameFilter(filters.value(kept));
    QString name = AskSaveName(*saveDialog_);
    if (name.isEmpty()) {
        return;
    }
    std::optional<PictureFormat> format = PictureFormatOf(name);
    if (!format) {
        // A name of another kind takes the kind of the chosen filter.
        for (const FileKind& kind : FileKinds) {
            if (saveDialog_->selectedNameFilter() == LangCaption(kind.filter)) {
                name += QLatin1Char('.') + QLatin1String(kind.suffix);
                format = kind.format;
            }
        }
        if (!format) {
            return;
        }
    }
    const PictureSource source = Source();
    // A PDF page of the panel's own size makes a figure of about 11 cm.
    QSize size = PanelClient * (*format == PictureFormat::Pdf ? 1 : PictureTimes);
    if (*format == PictureFormat::Png) {
        TFTamanyPng ask(PanelClient, size, window_);
        if (ask.exec() != QDialog::Accepted) {
            return;
        }
        size = ask.chosenSize();
    }
    QString reason;
    if (*format == PictureFormat::Png && qint64(size.width()) * size.height() > LargePngPixels) {
        if (!SaveLargePng(source, name, size, reason)) {
            return; // cancelled: nothing was written
        }
    } else {
        reason = WritePicture(source, name, *format, size);
    }
    if (!reason.isEmpty()) {
        QMessageBox box(
            QMessageBox::Warning, ApplicationTitle(),
            LangCaption(LangPictureNotSaved).arg(QDir::toNativeSeparators(name), reason),
            QMessageBox::Ok, window_);
        box.setObjectName(QStringLiteral("MsgGuardarDiagrama"));
        box.exec();
    }
}

bool TDiagramCommands::SaveLargePng(PictureSource source, const QString& name, QSize size,
                                    QString& reason) {
    QByteArray path;
    if (!MayWriteFile(name, path, &reason)) {
        return true;
    }
    // The panel may be given a new drawing while this one is made.
    const DrawingRecord drawing = *source.drawing;
    source.drawing = &drawing;
    QProgressDialog progress(LangCaption(LangSavingPicture), LangCaption(LangCancelSaving), 0, 0,
                             window_);
    progress.setObjectName(QStringLiteral("DlgProgresoGuardar"));
    progress.setWindowTitle(ApplicationTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    // Made on a thread of its own, a band at a time, while the window goes
    // on answering; each band asks whether to go on.
    std::atomic<int> done = 0, total = 0;
    std::atomic<bool> cancelled = false, finished = false;
    QByteArray bytes;
    QString failure;
    std::exception_ptr error;
    std::thread worker([&] {
        try {
            bytes = EncodePicture(source, PictureFormat::Png, size, &failure, [&](int d, int t) {
                done = d;
                total = t;
                return !cancelled;
            });
        } catch (...) {
            error = std::current_exception();
        }
        finished = true;
    });
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        cancelled = cancelled || progress.wasCanceled();
        if (finished) {
            loop.quit();
            return;
        }
        const int t = total, d = done;
        progress.setMaximum(std::max(t, 1));
        progress.setValue(std::min(d, t));
    });
    poll.start(50);
    progress.show();
    loop.exec();
    worker.join();
    progress.close();
    if (error) {
        std::rethrow_exception(error);
    }
    if (cancelled) {
        return false;
    }
    if (bytes.isEmpty()) {
        reason = failure;
    } else {
        WriteRegularFile(name, bytes, &reason);
    }
    return true;
}

void TDiagramCommands::OpCopiarDiagramaClick() {
    const PictureSource source = Source();
    const QSize size = PanelClient * PictureTimes;
    auto* data = new QMimeData;
    data->setImageData(RenderPicture(source, size));
    data->setData(QStringLiteral("image/svg+xml"), SvgPicture(source, size));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TDiagramCommands::OpImprimirClick() {
    const VexariaPrintInterface& module = LoadPrintModule(printModule_);
    struct Page {
        const TDiagramCommands* commands;
        std::exception_ptr error;
    } page{this, nullptr};
    VexariaPrintPage paint{&page, [](void* context, QPainter* p, const QRectF* area) {
                               auto* page = static_cast<Page*>(context);
                               try {
                                   page->commands->PaintPrintedPage(*p, *area);
                               } catch (...) {
                                   page->error = std::current_exception();
                               }
                           }};
    // Printed to a file: written as every file of the program is.
    paint.writeFile = [](void*, const QString& file, const QByteArray& bytes) {
        return WriteRegularFile(file, bytes);
    };
    const VexariaPrintResult result = module.printWithDialog(window_, &paint);
    if (page.error) {
        std::rethrow_exception(page.error);
    }
    if (result == VexariaPrintNotStarted) {
        // An unwritable file or a vanished queue: the user is told, not left
        // waiting for a page that never comes.
        QMessageBox box(QMessageBox::Warning, ApplicationTitle(), LangCaption(LangNotPrinted),
                        QMessageBox::Ok, window_);
        box.setObjectName(QStringLiteral("MsgImprimir"));
        box.exec();
    }
}

void TDiagramCommands::PaintPrintedPage(QPainter& p, const QRectF& page) const {
    PictureSource source = Source();
    // Paper stays white under the diagram.
    source.background = RGB(255, 255, 255);
    const QStringList lines =
        classroom_ ? classroom_->printedResults() : (results_ ? results_() : QStringList());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(11);
    p.setFont(font);
    const double lineHeight = QFontMetricsF(font, p.device()).lineSpacing();
    // The diagram across the page, leaving room for the results under it.
    const double textHeight = lineHeight * (lines.size() + 1);
    const QRectF area(0, 0, page.width(), std::max(page.height() - textHeight, 0.0));
    const QRectF fitted = FitClient(source, area);
    const QRectF diagram(0, 0, page.width(), fitted.height());
    PaintPicture(p, source, diagram);
    p.setPen(Qt::black);
    double y = diagram.bottom() + lineHeight;
    for (const QString& line : lines) {
        p.drawText(QRectF(0, y, page.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += lineHeight;
    }
}
