// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Teoria.h"

#include "diagram/DiagramRecord.h"
#include "diagram/HelpFigure.h"
#include "forms/ErrorReport.h"
#include "plot/PictureFile.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// Outside any namespace, as Qt's resource initialisation requires.
static void InitTheory() {
    Q_INIT_RESOURCE(theory);
}

namespace {

// Twice the classroom picture's width on the page: sharp on a screen of
// twice the density too.
constexpr int FigureScale = 2;

// Draws the figures the chapter names ("figure:classroom-concave-35") as
// the classroom view; every other resource is the browser's own business.
class TheoryBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String("figure")) {
            if (const std::optional<Scene> scene = ClassroomFigureScene(name.path())) {
                QImage figure;
                // A drawing that fails leaves an empty place, not a report in
                // the middle of the layout.
                RunHandler([&] {
                    const DrawingRecord record = ClassroomRecord(*scene);
                    const QSize size = ClassroomPicture(record).client * FigureScale;
                    figure = RenderPicture(ClassroomPicture(record), size);
                });
                return figure;
            }
            return {};
        }
        return QTextBrowser::loadResource(type, name);
    }
};

} // namespace

QString TheoryResource(TLanguage language) {
    if (language == LangSpanish || language >= LangCount)
        return QStringLiteral(":/help/teoria.html");
    return QStringLiteral(":/help/teoria_%1.html").arg(QLatin1String(LanguageCodes[language]));
}

TFTeoria::TFTeoria(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitTheory();
    setObjectName(QStringLiteral("FTeoria"));
    text_ = new TheoryBrowser(this);
    text_->setObjectName(QStringLiteral("TeoriaTexto"));
    text_->setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(700, 720);
    Retranslate();
}

void TFTeoria::ShowTheory() {
    show();
    raise();
    activateWindow();
}

void TFTeoria::Retranslate() {
    const QString title = QCoreApplication::translate("TFPrincipal", "Teoría");
    setWindowTitle(title);
    text_->setAccessibleName(title);
    QFile chapter(TheoryResource(Language));
    QString html;
    if (chapter.open(QIODevice::ReadOnly))
        html = QString::fromUtf8(chapter.readAll());
    // A new document: the figures are drawn again, in the language's words.
    text_->clear();
    text_->setHtml(html);
    text_->document()->setDocumentMargin(12);
}

void TFTeoria::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RunHandler([this] { Retranslate(); });
}

void TFTeoria::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
