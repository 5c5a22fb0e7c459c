// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/USobre.h"

#include "forms/Fonts.h"
#include "forms/Placement.h"
#include "ui_USobre.h"

#include "core/Language.h"
#include "core/RunError.h"
#include "forms/ErrorReport.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <algorithm>

TFSobre* FSobre = nullptr;

namespace {

// The trailing blanks belong to the texts.
constexpr TLangText LangAboutPrefix = {"TFSobre", QT_TRANSLATE_NOOP("TFSobre", "Sobre ")};
constexpr TLangText LangWebAddress = {
    "TFSobre", QT_TRANSLATE_NOOP("TFSobre", "http://vexaria.example.org/es ")};
constexpr TLangText LangAboutButton = {"TFSobre", QT_TRANSLATE_NOOP("TFSobre", "¡Vaya!")};

// A label keeps its left and top edges and takes the size of its text: the
// longest line gives the width, all lines together the height. A word-wrapped
// label first breaks its text into lines no wider than wrapWidth. An empty
// label keeps the height of one line, as if it held a blank.
void FitLabel(QLabel* label, int wrapWidth = QWIDGETSIZE_MAX) {
    const QString text = label->text().isEmpty() ? QStringLiteral(" ") : label->text();
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect bounds = QFontMetrics(label->font())
                             .boundingRect(QRect(0, 0, wrapWidth, QWIDGETSIZE_MAX), flags, text);
    label->resize(bounds.size());
}

void SetLabelText(QLabel* label, const QString& text, int wrapWidth = QWIDGETSIZE_MAX) {
    label->setText(text);
    FitLabel(label, wrapWidth);
}

// The picture in a file meant for the icon box, at the standard icon size.
// The kind of picture follows the file's extension, as the box only knows
// icons by their ".ico" name: such a file must really be an icon, even where
// Qt could read it as some other format. Of an icon's several images the
// 32 x 32 one is taken, otherwise the largest, stretched to 32 x 32; it is
// chosen from the sizes the icon's directory gives, so that only that image
// is decoded, however many the file holds. Of another kind of file, the
// first image.
QPixmap LoadIconPicture(const QString& path) {
    const bool icon = path.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive);
    if (QFileInfo(path).size() > IconFileMaxBytes)
        throw RunError(InvalidIconImage);
    QImageReader reader(path);
    if (icon) {
        reader.setFormat("ico");
        reader.setAutoDetectImageFormat(false);
        int best = 0;
        QSize bestSize;
        const int count = reader.imageCount();
        for (int i = 0; i < count && reader.jumpToImage(i); ++i) {
            const QSize size = reader.size();
            if (bestSize.isEmpty() || size == QSize(32, 32) ||
                (bestSize != QSize(32, 32) && qint64(size.width()) * size.height() >
                                                  qint64(bestSize.width()) * bestSize.height())) {
                best = i;
                bestSize = size;
            }
        }
        if (count > 0)
            reader.jumpToImage(best);
    }
    const QImage image = reader.read();
    if (image.isNull())
        throw RunError(icon ? InvalidIconImage : reader.errorString().toStdString());
    return QPixmap::fromImage(
        image.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QString Credits(const QString& year) {
    return QString::fromUtf8(AboutAuthor) + QStringLiteral("  ") + year + u'\n' +
           LangCaption(LangWebAddress) + u'\n' + QStringLiteral("mail: ") +
           QString::fromUtf8(AboutMail);
}

} // namespace

TFSobre::TFSobre(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFSobre>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Left open when the main window closes, the box must not keep the
    // program running.
    setAttribute(Qt::WA_QuitOnClose, false);

    SetPixelHeight(this, 11);
    SetPixelHeight(ui->ProductName, 32);
    SetPixelHeight(ui->Copyright, 13);
    SetPixelHeight(ui->Comments, 13);
    UseInstalledFaces(this);
    commentsWidth = ui->Comments->width();
    for (QLabel* label : {ui->ProductName, ui->Version, ui->Copyright})
        FitLabel(label);
    FitLabel(ui->Comments, commentsWidth);

    connect(ui->BtSobre, &QPushButton::clicked, this, &TFSobre::BtSobreClick);
}

TFSobre::~TFSobre() {
    if (FSobre == this) {
        FSobre = nullptr;
    }
}

void TFSobre::Setup(const QString& title, const QString& iconPath,
                    const TProgramNameYear& program) {
    const QString base = BaseNameOf(program.Name);
    setWindowTitle(LangCaption(LangAboutPrefix) + base);
    captionBase = base;
    ui->ProductName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetLabelText(ui->ProductName, base);

    if (QFileInfo(iconPath).isFile())
        ui->Icona->setPixmap(LoadIconPicture(iconPath));

    creditsYear = program.Year;
    SetLabelText(ui->Copyright, Credits(*creditsYear));
    SetLabelText(ui->Comments, title, commentsWidth);
    SetLabelText(ui->Version, QString());
    ui->BtSobre->setText(LangCaption(LangAboutButton));
}

void TFSobre::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RunHandler([this] { Retranslate(); });
}

void TFSobre::Retranslate() {
    // Only what a set-up has already written: the design texts stay until
    // the first one, and an icon that failed leaves the credits as they were.
    if (captionBase)
        setWindowTitle(LangCaption(LangAboutPrefix) + *captionBase);
    if (creditsYear) {
        SetLabelText(ui->Copyright, Credits(*creditsYear));
        ui->BtSobre->setText(LangCaption(LangAboutButton));
    }
}

void TFSobre::ShowModeless() {
    if (!isVisible())
        show();
    raise();
    activateWindow();
}

void TFSobre::BtSobreClick() {
    close();
}

void TFSobre::setVisible(bool visible) {
    if (visible && !placed) {
        CentreOnScreen(this);
        placed = true;
    }
    QDialog::setVisible(visible);
}

void TFSobre::keyPressEvent(QKeyEvent* event) {
    // Escape closes the box as its button does, which only hides it.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        BtSobreClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SetupAbout(const QString& title, const QString& iconPath) {
    if (FSobre != nullptr)
        FSobre->Setup(title, iconPath, ProgramNameAndYear());
}

void ShowAbout() {
    if (FSobre != nullptr)
        FSobre->ShowModeless();
}
