// The catalogue window's designed arrangement: every control with its name, caption,
// position and size in twips, and the resize handler.
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "Collection.h"
#include "FilterBar.h"
#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "OpenSaveDialog.h"
#include "PanelLayout.h"
#include "Twips.h"
#include "frmMain.h"

namespace kbs {

namespace {

constexpr int kClientWidth = 14040;
constexpr int kClientHeight = 8700;
constexpr int kStatusHeight = 390;
constexpr int kFieldHeight = 285;
constexpr int kIconSize = 240;
constexpr int kLabelGap = 15;   // between a label's right end and its box
constexpr int kFrameTop = 600;  // the detail frame's top in the window
constexpr int kGridTop = 4800;
constexpr int kGridGapAbove = 700;  // the resized grid ends this far above the status bar
constexpr int kFrameNarrower = 5;   // the resized frame is this much narrower than the window

// The hidden box txtTextl(0) shows no column; it sits in the frame with its label.
constexpr panel::Place kHiddenBox{4080, 4560, 1560, 615};

QString latin(const char* s) {
    return QString::fromLatin1(s);
}

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsRect(left, top, width, height));
}

// A control of the design: made (with its caption, where it has one), named and placed.
template <class W, class... Caption>
W* designed(QWidget* parent, const char* name, QRect twips, const Caption&... caption) {
    auto* w = new W(caption..., parent);
    w->setObjectName(latin(name));
    place(w, twips.x(), twips.y(), twips.width(), twips.height());
    return w;
}

}  // namespace

QIcon frmMain::designIcon(const QString& name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QImage frmMain::designImage(const QString& name, int w, int h) {
    return designIcon(name).pixmap(QSize(w, h)).toImage();
}

// A detail box with its label; box 1 lies over the frame, on the window itself.
void frmMain::addField(int box, const QString& caption, const panel::Place& at) {
    QWidget* client = centralWidget();
    auto* field = new LimitedTextbox(at.onWindow ? client : static_cast<QWidget*>(Frame2));
    field->setObjectName(QStringLiteral("txtTextl_%1").arg(box));
    place(field, at.fieldLeft, at.onWindow ? kFrameTop + at.top : at.top, at.width, kFieldHeight);
    txtTextl[size_t(box)] = field;

    auto* label = new QLabel(caption, Frame2);
    label->setObjectName(QStringLiteral("lblText_%1").arg(box));
    const bool wraps = at.labelLines > 1;
    place(label, at.labelLeft, at.top, at.fieldLeft - at.labelLeft - kLabelGap,
          at.labelLines * kFieldHeight);
    label->setAlignment(Qt::AlignLeft | (wraps ? Qt::AlignTop : Qt::AlignVCenter));
    label->setWordWrap(wraps);
    label->setBuddy(field);
    field->textbox()->setAccessibleName(caption);
    field->setAccessibleName(caption);
    lblText[size_t(box)] = label;
}

void frmMain::buildLayout() {
    // The window is designed for "MS Sans Serif"; take the nearest face with the same metrics.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    setFont(font);
    setWindowIcon(designIcon(QStringLiteral("kerbside")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    buildToolbar();
    Toolbar1->setParent(client);
    place(Toolbar1, 0, 0, 12900, 570);

    // The detail panel.
    Frame2 =
        designed<QGroupBox>(client, "Frame2", {0, kFrameTop, 13976, 4215}, mainText::FrameCaption);

    auto* divider = designed<QFrame>(Frame2, "Line1", {5160 - 15, 120, 30, 4080});
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);

    // The boxes of the column table, in keyboard order, then the hidden one.
    for (const panel::Field* c : panel::tabOrder) {
        if (c->box >= 0)
            addField(c->box, panel::translate(c->label), c->place);
    }
    addField(0, mainText::HiddenLabel, kHiddenBox);
    txtTextl[1]->raise();
    txtTextl[0]->hide();
    lblText[0]->hide();

    const auto& notes = panel::fieldAt(collection::at(collection::NotesColumn));
    lblNotes = designed<QLabel>(Frame2, "lblNotes", {5280, 2880, 1200, kFieldHeight},
                                panel::translate(notes.label));
    txtNotes = designed<QPlainTextEdit>(Frame2, "txtNotes", {6600, 2760, 3495, 1335});
    txtNotes->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtNotes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes->setTabChangesFocus(true);
    txtNotes->setAccessibleName(mainText::NotesName);
    lblNotes->setBuddy(txtNotes);

    // Year icon and the list icons beside their boxes.
    Image1_0 = designed<ImageBox>(Frame2, "Image1_0", {2280, 600, kIconSize, kIconSize});
    Image1_0->setAccessibleName(mainText::YearIconName);
    Image1_0->setPicture(designImage(QStringLiteral("year"), 32, 32));
    m_imageControls << Image1_0;
    for (const panel::Field* c : panel::tabOrder) {
        if (!c->hasPickList())
            continue;
        const panel::PickList& pick = c->pick;
        auto* img = designed<ImageBox>(Frame2, pick.icon,
                                       {pick.iconLeft, c->place.top, pick.iconWidth, kIconSize});
        img->setAccessibleName(panel::translate(pick.accessibleName));
        img->setToolTip(img->accessibleName());
        img->setCursor(Qt::PointingHandCursor);
        img->setPicture(designImage(QStringLiteral("list"), 32, 32));
        listIcons.insert(latin(pick.icon), img);
        m_imageControls << img;
    }

    cmdPlus = designed<QPushButton>(Frame2, "cmdPlus", {2280, 1680, 255, 255}, mainText::Plus);
    cmdPlus->setAccessibleName(mainText::PlusName);
    cmdMinus = designed<QPushButton>(Frame2, "cmdMinus", {2640, 1680, 255, 255}, mainText::Minus);
    cmdMinus->setAccessibleName(mainText::MinusName);

    // The photo frame: the strip of the record's pictures takes the photo's lower edge, the
    // picture keeps its width.
    Frame3 =
        designed<QGroupBox>(Frame2, "Frame3", {10320, 240, 3480, 3240}, mainText::PhotoCaption);
    picOutline = designed<QFrame>(Frame3, "Shape1", {120, 360, 3255, 1740});
    picOutline->setFrameShape(QFrame::Box);
    picOutline->setFrameShadow(QFrame::Plain);
    imgPicture = designed<ImageBox>(Frame3, "imgPicture", {240, 450, 3015, 1560});
    imgPicture->setAccessibleName(mainText::PictureName);
    m_imageControls << imgPicture;
    txtPicDir = designed<QLineEdit>(Frame3, "txtPicDir", {240, 2160, 3015, 300});
    txtPicDir->setAccessibleName(mainText::PicturePathName);
    txtPicDir->hide();
    cmdSelect =
        designed<QPushButton>(Frame3, "cmdSelect", {120, 2760, 1215, 405}, mainText::SelectPicture);
    cmdSelect->hide();
    Option1[0] = designed<QRadioButton>(Frame3, "Option1_0", {1425, 2700, 1815, 255},
                                        mainText::StoreInDatabase);
    Option1[1] = designed<QRadioButton>(Frame3, "Option1_1", {1425, 2940, 1815, 255},
                                        mainText::StoreAsPointer);
    Option1[0]->setChecked(true);

    cmdSave = designed<QPushButton>(Frame2, "cmdSave", {10800, 3600, 1095, 495}, mainText::Save);
    cmdSave->hide();
    cmdCancel =
        designed<QPushButton>(Frame2, "cmdCancel", {12480, 3600, 1095, 495}, mainText::Cancel);
    cmdCancel->hide();

    // The record grid.
    FG1 = designed<FlexGrid>(client, "FG1", {0, kGridTop, 9495, 2295});
    FG1->setAccessibleName(mainText::GridName);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusPanel = new QLabel(StatusBar1);
    statusPanel->setObjectName(QStringLiteral("Panel1"));
    statusPanel->setAccessibleName(mainText::StatusName);
    StatusBar1->addWidget(statusPanel, 1);
    setStatusBar(StatusBar1);
    StatusBar1->setFixedHeight(twipsToPixelsY(kStatusHeight));

    buildPickMenus();

    OpenSaveDialog1 = new OpenSaveDialog(client);
    OpenSaveDialog1->setObjectName(QStringLiteral("OpenSaveDialog1"));
    OpenSaveDialog1->setVisible(false);

    // Keyboard order: the grid, the detail fields, then the panel's buttons.
    QList<QWidget*> order{FilterBar1->edit()};
    for (const QString& status : FilterBar::statusNames())
        order << FilterBar1->toggle(status);
    order << FG1;
    for (const panel::Field* c : panel::tabOrder)
        order << (c->box >= 0 ? static_cast<QWidget*>(txtTextl[size_t(c->box)]) : txtNotes);
    order << cmdSelect << cmdSave << cmdCancel << Option1[0] << Option1[1] << cmdPlus << cmdMinus;
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    // The designed size is the first size and the smallest: the panel keeps its arrangement at
    // the top, and the grid takes whatever room the window gains (Form_Resize).
    const QSize clientSize(twipsToPixelsX(kClientWidth), twipsToPixelsY(kClientHeight));
    setMinimumSize(clientSize);
    resize(clientSize);
    fitCaptions();
}

// The designed places were drawn for a narrow bitmap font. Where a caption does not fit its
// place in the font at hand, it takes the narrow cut of the same face instead of being cut off.
void frmMain::fitCaptions() {
    auto fits = [](const QWidget* w, const QString& text, int extra) {
        const QFontMetrics fm(w->font());
        if (auto* l = qobject_cast<const QLabel*>(w); l && l->wordWrap()) {
            return fm.boundingRect(QRect(0, 0, w->width(), 10000), Qt::TextWordWrap, text)
                       .height() <= w->height();
        }
        return fm.horizontalAdvance(text) + extra <= w->width();
    };
    auto narrow = [&](QWidget* w, const QString& text, int extra) {
        // A touch smaller, in quarter points, down to 7.5 points.
        QFont f = w->font();
        for (qreal size = f.pointSizeF() - 0.25; size >= 7.5; size -= 0.25) {
            f.setPointSizeF(size);
            w->setFont(f);
            if (fits(w, text, extra))
                return;
        }
    };
    for (auto* l : findChildren<QLabel*>()) {
        if (!l->text().isEmpty() && !fits(l, l->text(), 0))
            narrow(l, l->text(), 0);
    }
    for (auto* r : findChildren<QRadioButton*>()) {
        const int indicator = r->sizeHint().width() - r->fontMetrics().horizontalAdvance(r->text());
        if (!fits(r, r->text(), indicator))
            narrow(r, r->text(), indicator);
    }
}

void frmMain::Form_Resize() {
    // Each step stands alone: a failing one (a negative height while minimized) is skipped.
    const int clientWidth = centralWidget()->width();
    const int statusTop = pixelsToTwipsY(StatusBar1->geometry().top());
    QRect g = FG1->geometry();
    g.moveLeft(0);
    g.setWidth(clientWidth);
    const int heightTwips = statusTop - kGridTop - kGridGapAbove;
    if (heightTwips >= 0)
        g.setHeight(twipsToPixelsY(heightTwips));
    FG1->setGeometry(g);
    const int outerWidth = frameGeometry().width();
    Frame2->resize(std::max(0, outerWidth - twipsToPixelsX(kFrameNarrower)), Frame2->height());
    Toolbar1->resize(outerWidth, Toolbar1->height());
    FG1->setFocus();
    placeGallery();
}

}  // namespace kbs
