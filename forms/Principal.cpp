// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Principal.h"

#include "ui_Principal.h"

#include "core/Language.h"
#include "core/NumberText.h"
#include "core/Random.h"
#include "core/RunError.h"
#include "diagram/Diagram.h"
#include "diagram/Lesson.h"
#include "diagram/ObjectDrag.h"
#include "forms/Accessibility.h"
#include "forms/Captions.h"
#include "forms/DiagramMenu.h"
#include "forms/ErrorReport.h"
#include "forms/Fonts.h"
#include "forms/HojaEjercicios.h"
#include "forms/LanguageSwitch.h"
#include "forms/PresentacioLink.h"
#include "forms/Results.h"
#include "forms/Teoria.h"
#include "forms/ToolsMenu.h"
#include "forms/UEdTools.h"
#include "forms/USobre.h"
#include "optics/Optics.h"
#include "plot/PainterSurface.h"
#include "util/Shell.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QShowEvent>

#include <algorithm>
#include <cmath>
#include <limits>

// Outside any namespace, as Qt's resource initialisation requires.
static void InitPictures() {
    Q_INIT_RESOURCE(mirvex);
}

TPlotWindow Diagram;
double LastObjectPos = 0.0;
TFPrincipal* FPrincipal = nullptr;

namespace {

constexpr TColor PanelButtonsColor = RGB(100, 200, 250);

// Every text of the window that is not a result. The window's title is the
// program's name in every language.
constexpr TCaption Captions[] = {
    {"BtPla",
     {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "espejo plano")},
     TCaptionPart::Hint},
    {"BtConv",
     {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "espejo convexo")},
     TCaptionPart::Hint},
    {"BtConc",
     {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "espejo cóncavo")},
     TCaptionPart::Hint},
    //: The position field's label: about as short as the Spanish, its room is small.
    {"Label1", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "posición objecto")}},
    {"Label2", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Imagen")}},
    {"Label3", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "tipo (real o virtual)")}},
    {"Label4", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "orientación")}},
    {"Label6", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "aumento / disminución")}},
    {"Label7", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "posición:")}},
    //: The magnification field's label, in a small room too.
    {"Label8", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "aumento:")}},
    {"Elements",
     {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Elemento")},
     TCaptionPart::Title},
    {"Miralls", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Espejos")}, TCaptionPart::Title},
    {"Oppla", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Plano")}},
    {"OpConvex", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Convexo")}},
    {"OpConc", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Cóncavo")}, TCaptionPart::Title},
    //: The concave mirror's three cases, each putting the object in a zone.
    {"OpCentre", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Imagen más allá del centro")}},
    {"OpCentreFocus",
     {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Imagen entre el centro y el foco")}},
    {"Opfocus",
     {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Imagen entre el foco y el espejo")}},
    {"OpTMiralls", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Teoría")}},
    {"OpSurt", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Salir")}},
    {"Info", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Info")}, TCaptionPart::Title},
    {"OpHlp", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Info")}},
    {"OpQ", {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Respecto a...")}},
    // The diagram's commands, which join the window when it is first shown.
    {"MenuDiagrama",
     {"TDiagramCommands", QT_TRANSLATE_NOOP("TDiagramCommands", "Diagrama")},
     TCaptionPart::Title},
    {"OpGuardarDiagrama",
     {"TDiagramCommands", QT_TRANSLATE_NOOP("TDiagramCommands", "Guardar diagrama como...")}},
    {"OpCopiarDiagrama",
     {"TDiagramCommands", QT_TRANSLATE_NOOP("TDiagramCommands", "Copiar diagrama")}},
    {"OpImprimir", {"TDiagramCommands", QT_TRANSLATE_NOOP("TDiagramCommands", "Imprimir...")}},
};

// The layout file can only hold point sizes, but the layout's text heights
// are pixels; these controls set their own height, the rest take the
// window's. The three fields are named although they want the window's
// height: a control with a style sheet no longer inherits its font's size.
struct FontHeight {
    const char* control;
    int pixels;
};
constexpr FontHeight FontHeights[] = {
    {"FPrincipal", 13}, {"Label2", 19},   {"PTipus", 19},  {"PSentit", 19},
    {"PMagnif", 19},    {"EdPosObj", 13}, {"EdPosIm", 13}, {"EdAugm", 13},
};

// Halves go to the even neighbour, as every conversion of a position to a
// whole number does.
std::int64_t RoundToWhole(long double v) {
    const long double r = std::nearbyintl(v);
    if (!(r >= static_cast<long double>(std::numeric_limits<std::int64_t>::min()) &&
          r < static_cast<long double>(std::numeric_limits<std::int64_t>::max()))) {
        throw RunError(InvalidFloatOperation);
    }
    return static_cast<std::int64_t>(r);
}

// Shows a number from its first character, as a field that has just been
// given its text does; the caret would otherwise scroll a long number to its
// end.
void SetFieldText(QLineEdit* field, const QString& text) {
    if (field->text() != text) {
        field->setText(text);
    }
    field->setCursorPosition(0);
}

void NameFirstSeparator(QMenu* menu, const char* name) {
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            a->setObjectName(QLatin1String(name));
            return;
        }
    }
}

// Where a mirror button or a preset puts the object: a whole distance in
// front of the mirror, drawn at random between these two, both included.
struct PresetRange {
    int nearest;
    int farthest;
};
constexpr PresetRange AnyMirror = {20, 79};
constexpr PresetRange BeyondTheCentre = {60, 109};
constexpr PresetRange CentreToFocus = {30, 49};
constexpr PresetRange FocusToMirror = {5, 24};

double RandomPosition(PresetRange range) {
    const auto count = static_cast<std::uint32_t>(range.farthest - range.nearest + 1);
    return -(static_cast<double>(Random(count)) + range.nearest);
}

} // namespace

TFPrincipal::TFPrincipal(QWidget* parent)
    : QMainWindow(parent), ui(new Ui::TFPrincipal), lesson_(new TLesson(this)) {
    FPrincipal = this;
    InitPictures();
    ui->setupUi(this);
    // The layout file keeps only the size of a main window, not its place.
    move(280, 202);
    // Sizeable, with system menu, minimise and close but no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    for (const FontHeight& fh : FontHeights) {
        QWidget* w = objectName() == QLatin1String(fh.control)
                         ? this
                         : findChild<QWidget*>(QLatin1String(fh.control));
        SetPixelHeight(w, fh.pixels);
    }
    UseInstalledFaces(this);
    FitLabelTexts(this);
    NameFirstSeparator(ui->Miralls, "sep");
    NameFirstSeparator(ui->Elements, "N1");

    // The first view of the scene: the others are told after this window.
    connect(lesson_, &TLesson::changed, this,
            [this](const LessonState& state) { RunHandler([this, &state] { ShowScene(state); }); });
    ConnectHandlers();
    RunHandler([this] { FormCreate(); });
    MakeAccessible(this, lesson_);
}

QStringList TFPrincipal::PrintedResults() const {
    static constexpr const char* MirrorNames[] = {QT_TR_NOOP("plano"), QT_TR_NOOP("convexo"),
                                                  QT_TR_NOOP("cóncavo")};
    const auto row = [](const QString& caption, const QString& value) {
        return caption + QStringLiteral(": ") + value;
    };
    const QString mirror =
        MirrorKind < std::size(MirrorNames) ? tr(MirrorNames[MirrorKind]) : QString();
    return {row(tr("Espejo"), mirror), row(tr("Posición del objeto"), FloatToStr(LastObjectPos)),
            row(tr("Posición de la imagen"), ui->EdPosIm->text()),
            row(tr("Aumento"), ui->EdAugm->text()),
            row(tr("Imagen"),
                QStringList{ui->PTipus->text(), ui->PSentit->text(), ui->PMagnif->text()}.join(
                    QStringLiteral(", ")))};
}

TFPrincipal::~TFPrincipal() {
    if (FPrincipal == this) {
        FPrincipal = nullptr;
        // The plot window drew on this window's panel.
        Diagram = TPlotWindow{};
    }
}

void TFPrincipal::ConnectHandlers() {
    const auto handler = [this](void (TFPrincipal::*method)()) {
        return [this, method] { RunHandler([this, method] { (this->*method)(); }); };
    };
    connect(ui->BtPla, &QToolButton::clicked, this, handler(&TFPrincipal::BtPlaClick));
    connect(ui->BtConv, &QToolButton::clicked, this, handler(&TFPrincipal::BtConvClick));
    connect(ui->BtConc, &QToolButton::clicked, this, handler(&TFPrincipal::BtConcClick));
    connect(ui->Oppla, &QAction::triggered, this, handler(&TFPrincipal::OpplaClick));
    connect(ui->OpConvex, &QAction::triggered, this, handler(&TFPrincipal::OpConvexClick));
    connect(ui->OpCentre, &QAction::triggered, this, handler(&TFPrincipal::OpCentreClick));
    connect(ui->OpCentreFocus, &QAction::triggered, this,
            handler(&TFPrincipal::OpCentreFocusClick));
    connect(ui->Opfocus, &QAction::triggered, this, handler(&TFPrincipal::OpfocusClick));
    connect(ui->OpSurt, &QAction::triggered, this, handler(&TFPrincipal::OpSurtClick));
    connect(ui->OpHlp, &QAction::triggered, this, handler(&TFPrincipal::OpHlpClick));
    connect(ui->OpQ, &QAction::triggered, this, handler(&TFPrincipal::OpQClick));
    connect(ui->OpTMiralls, &QAction::triggered, this, handler(&TFPrincipal::OpTMirallsClick));

    // Every user action on the bar (arrows, trough, keys, thumb tracking)
    // reports the position it leads to before the bar takes it; the release
    // of the thumb reports where it was left. Setting the bar from a
    // drawing is neither, so it starts no update of its own.
    QScrollBar* bar = ui->BarraDespl;
    connect(bar, &QScrollBar::actionTriggered, this, [this, bar](int) {
        RunHandler([this, bar] { BarraDesplScroll(bar->sliderPosition()); });
    });
    connect(bar, &QScrollBar::sliderReleased, this,
            [this, bar] { RunHandler([this, bar] { BarraDesplScroll(bar->value()); }); });

    ui->EdPosObj->installEventFilter(this);
}

void TFPrincipal::FormCreate() {
    PlotInit(Diagram, ui->Grafic->surface(), WorldXMin, WorldYMin, WorldXMax, WorldYMax);
    RayColor = DefaultRayColor;
    ObjectColor = DefaultObjectColor;
    ImageColor = DefaultImageColor;
    lesson_->setStyle(
        DiagramStyle{RayColor, ObjectColor, ImageColor, CurrentPen, Diagram.Width, Diagram.Height});
    SetColor(ui->BtsMiralls, QPalette::Window, PanelButtonsColor);
    BtPlaClick();
    UseLanguage(StartingLanguage());
    BuildToolsMenu(ui->MenuMirvex, [this](QAction* sender) { Tools(sender); });
    RefreshToolsMenu();
    BuildLanguageMenu(ui->Info, ui->OpQ);
    // The first update above wrote its results before Language was set.
    Retranslate();
}

void TFPrincipal::Retranslate() {
    ApplyCaptions(this, Captions);
    FitLabelTexts(this);
    if (ToolsMenuItem) {
        ToolsMenuItem->setTitle(LangCaption(LangTools));
        if (QAction* editorItem = ToolsMenuItem->actions().value(ToolsEditorItemIndex))
            editorItem->setText(LangCaption(LangToolsEdition));
    }
    MostraResultats();
}

void TFPrincipal::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RunHandler([this] { Retranslate(); });
}

void TFPrincipal::Actualitzadibuix(std::uint8_t kind, double x) {
    LastObjectPos = x;
    MirrorKind = kind;
    CurvatureSign = CurvatureSignOf(kind);
    // Every view, this window first, is told of the scene; a drawing that
    // failed is then reported, as the drawing's own error.
    const LessonState& state = lesson_->setScene(Scene{kind, x}, CurrentPen);
    if (state.drawing.failed()) {
        throw RunError(state.drawing.failure);
    }
}

void TFPrincipal::ShowScene(const LessonState& state) {
    const double x = state.scene.objectPos;
    LastObjectPos = x;
    MirrorKind = state.scene.kind;
    CurvatureSign = CurvatureSignOf(MirrorKind);
    ui->Grafic->showDrawing(state.drawing);
    CurrentPen = state.drawing.pen;
    // What the drawing reached: the controls follow an object that was
    // drawn, and the results an image that was.
    if (state.drawing.failedAt > DrawStep::Object) {
        PlaceObjectControls(x);
        SetImageView(state.image);
    }
    if (!state.drawing.failed()) {
        MostraResultats();
    }
}

void TFPrincipal::ActualitzaPos(std::int64_t pos) {
    // The update erases the panel itself; erasing it here too would only
    // double the cost of every scroll step, unseen.
    Actualitzadibuix(MirrorKind, static_cast<double>(pos - BarOrigin));
}

void TFPrincipal::MostraResultats() {
    const ResultWord& kind = KindWord(ImageKind);
    ui->PTipus->setText(LangCaption(*kind.caption));
    ui->PTipus->setAlignment(kind.alignment);
    SetColor(ui->PTipus, QPalette::WindowText, kind.color);

    const ResultWord& orientation = OrientationWord(Magnification);
    ui->PSentit->setText(LangCaption(*orientation.caption));
    SetColor(ui->PSentit, QPalette::WindowText, orientation.color);

    const ResultWord& size = SizeWord(SizeClass);
    ui->PMagnif->setText(LangCaption(*size.caption));
    QFont f = ui->PMagnif->font();
    f.setFamily(InstalledFace(QLatin1String(size.face)));
    f.setPointSize(size.points);
    f.setBold(size.bold);
    KeepInkInside(ui->PMagnif, f);

    SetFieldText(ui->EdPosIm, ImagePositionText(ImagePos));
    SetFieldText(ui->EdAugm, FloatToStr(Magnification));
}

void TFPrincipal::dibuixaEntorn(std::uint8_t kind) {
    ::dibuixaEntorn(Diagram, kind);
}

void TFPrincipal::dibuixafigura(double x) {
    ::dibuixafigura(Diagram, x, [this](double at) { PlaceObjectControls(at); });
}

void TFPrincipal::PlaceObjectControls(double at) {
    // The bar clamps to its own range; a far position shows at an end.
    const std::int64_t pos = RoundToWhole(static_cast<long double>(at) + BarOrigin);
    ui->BarraDespl->setValue(static_cast<int>(
        std::clamp<std::int64_t>(pos, ui->BarraDespl->minimum(), ui->BarraDespl->maximum())));
    SetFieldText(ui->EdPosObj, QString::number(RoundToWhole(-static_cast<long double>(at))));
}

void TFPrincipal::Rajos(double x) {
    ::Rajos(Diagram, x);
}

void TFPrincipal::DibuixaImatge() {
    ::DibuixaImatge(Diagram);
}

void TFPrincipal::SetMirrorButtons(std::uint8_t kind) {
    ui->BtPla->setChecked(kind == MirrorPlane);
    ui->BtConv->setChecked(kind == MirrorConvex);
    ui->BtConc->setChecked(kind == MirrorConcave);
}

void TFPrincipal::BtPlaClick() {
    SetMirrorButtons(MirrorPlane);
    Actualitzadibuix(MirrorPlane, RandomPosition(AnyMirror));
}

void TFPrincipal::BtConvClick() {
    SetMirrorButtons(MirrorConvex);
    Actualitzadibuix(MirrorConvex, RandomPosition(AnyMirror));
}

void TFPrincipal::BtConcClick() {
    SetMirrorButtons(MirrorConcave);
    Actualitzadibuix(MirrorConcave, RandomPosition(AnyMirror));
}

void TFPrincipal::OpplaClick() {
    Actualitzadibuix(MirrorPlane, RandomPosition(AnyMirror));
}

void TFPrincipal::OpConvexClick() {
    Actualitzadibuix(MirrorConvex, RandomPosition(AnyMirror));
}

void TFPrincipal::OpCentreClick() {
    Actualitzadibuix(MirrorConcave, RandomPosition(BeyondTheCentre));
}

void TFPrincipal::OpCentreFocusClick() {
    Actualitzadibuix(MirrorConcave, RandomPosition(CentreToFocus));
}

void TFPrincipal::OpfocusClick() {
    Actualitzadibuix(MirrorConcave, RandomPosition(FocusToMirror));
}

void TFPrincipal::BarraDesplScroll(int position) {
    ActualitzaPos(position);
}

void TFPrincipal::EdPosObjKeyUp() {
    const std::int32_t v = StrToInt(ui->EdPosObj->text());
    const std::int64_t pos = BarOrigin - static_cast<std::int64_t>(v);
    QScrollBar* bar = ui->BarraDespl;
    bar->setValue(static_cast<int>(std::clamp<std::int64_t>(pos, bar->minimum(), bar->maximum())));
    ActualitzaPos(pos);
}

void TFPrincipal::OpSurtClick() {
    // Ends the event loop at once with 0: the window is not closed and no
    // close handler runs, so the program ends without asking anyone.
    QCoreApplication::exit(0);
}

void TFPrincipal::OpHlpClick() {
    const QString document = HelpDocument(Language);
    if (ShellOpen(document))
        return;
    // Without the document or a program for PDF files the item would do
    // nothing at all; the theory needs neither.
    QMessageBox offer(
        QMessageBox::Question, ApplicationTitle(),
        tr("No se ha podido abrir el documento de ayuda %1: falta el fichero o no hay ningún "
           "programa para abrirlo.\n\n¿Mostrar la teoría en una ventana del programa?")
            .arg(document),
        QMessageBox::Yes | QMessageBox::No, this);
    offer.setObjectName(QStringLiteral("MsgAyudaNoAbierta"));
    offer.setDefaultButton(QMessageBox::Yes);
    if (offer.exec() == QMessageBox::Yes)
        OpTMirallsClick();
}

void TFPrincipal::OpTMirallsClick() {
    if (teoria_ == nullptr)
        teoria_ = new TFTeoria(this);
    teoria_->ShowTheory();
}

void TFPrincipal::OpQClick() {
    ShowAbout();
}

void TFPrincipal::Tools(QAction* sender) {
    if (!ToolsMenuItem)
        return;
    if (ToolsMenuItem->actions().indexOf(sender) == ToolsEditorItemIndex) {
        if (FedTools)
            connect(FedTools, &TFedTools::toolsSaved, this, &TFPrincipal::ToolsSaved,
                    Qt::UniqueConnection);
        OpenToolsEditor();
        return;
    }
    // The item's own copy: the list in memory may have changed since the
    // menu was built, and must not send the click to another tool.
    // A launch the rules refuse is explained to the user, never attempted.
    if (const auto* item = dynamic_cast<const TToolMenuItem*>(sender))
        LaunchTool(item->tool, this);
}

void TFPrincipal::ToolsSaved() {
    RefreshToolsMenu();
}

void TFPrincipal::FormShow() {
    // Relative to the working folder, where the launcher puts the icon.
    SetupAbout(QStringLiteral("Vexaria"), QStringLiteral("./mirvex.ico"));
}

void TFPrincipal::showEvent(QShowEvent* event) {
    // The window is created with the menus of its design, the tools menu
    // last; the diagram's commands join when it is first shown, after it.
    if (diagramCommands_ == nullptr) {
        diagramCommands_ = new TDiagramCommands(this, ui->MenuMirvex, ui->Grafic, lesson_,
                                                [this] { return PrintedResults(); });
    }
    if (presentacioLink_ == nullptr) {
        presentacioLink_ =
            new TPresentacioLink(this, lesson_, diagramCommands_, ui->Grafic, ui->BarraDespl);
    }
    if (exerciseCommands_ == nullptr) {
        exerciseCommands_ = new TExerciseCommands(this, ui->MenuMirvex);
    }
    QMainWindow::showEvent(event);
    // Only real showings of the window, not the window system's restoring
    // of a minimised one.
    if (!event->spontaneous()) {
        RunHandler([this] { FormShow(); });
    }
}

bool TFPrincipal::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->EdPosObj && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A held key repeats its release on X11; the user released it once.
        if (!key->isAutoRepeat() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            RunHandler([this] { EdPosObjKeyUp(); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFPrincipal::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    // The main window's close ends the program even while the about box or
    // the tools editor is still open.
    if (event->isAccepted()) {
        QCoreApplication::exit(0);
    }
}
