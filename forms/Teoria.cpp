// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Teoria.h"

#include "diagram/DiagramRecord.h"
#include "diagram/HelpFigure.h"
#include "forms/ErrorReport.h"
#include "plot/PictureFile.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

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
        if (type != QTextDocument::ImageResource || name.scheme() != QLatin1String("figure"))
            return QTextBrowser::loadResource(type, name);
        const std::optional<Scene> scene = ClassroomFigureScene(name.path());
        if (!scene)
            return {};
        // Drawn once for each language its words may be in: a change of
        // language lays the chapter out again, and that must stay quick.
        const QString key = name.path() + QLatin1Char('/') + QString::number(Language);
        if (const auto kept = figures_.constFind(key); kept != figures_.constEnd())
            return *kept;
        QImage figure;
        // A drawing that fails leaves an empty place, not a report in the
        // middle of the layout.
        try {
            const DrawingRecord record = ClassroomRecord(*scene);
            const QSize size = ClassroomPicture(record).client * FigureScale;
            figure = RenderPicture(ClassroomPicture(record), size);
        } catch (const std::exception&) {
            figure = QImage();
        }
        figures_.insert(key, figure);
        return figure;
    }

private:
    QHash<QString, QImage> figures_;
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
    if (stale_)
        LoadChapter();
    show();
    raise();
    activateWindow();
}

void TFTeoria::Retranslate() {
    const QString title = QCoreApplication::translate("TFPrincipal", "Teoría");
    setWindowTitle(title);
    text_->setAccessibleName(title);
    // A hidden window takes its chapter when it is shown again.
    stale_ = !isVisible() && !text_->document()->isEmpty();
    if (!stale_)
        LoadChapter();
}

void TFTeoria::LoadChapter() {
    stale_ = false;
    QFile chapter(TheoryResource(Language));
    QString html;
    if (chapter.open(QIODevice::ReadOnly))
        html = QString::fromUtf8(chapter.readAll());
    // A new document: its figures are asked for again, in this language.
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
