// The catalogue window's designed arrangement: every control with its name, caption,
// position and size in twips, and the resize handler.
#include <QAction>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "OpenSaveDialog.h"
#include "Twips.h"
#include "frmMain.h"

namespace kbs {

namespace {

constexpr int kClientWidth = 14040;
constexpr int kClientHeight = 8700;
constexpr int kStatusHeight = 390;
constexpr int kFieldHeight = 285;

struct FieldPlace {
    int box;
    const char* label;
    int labelLeft;
    int fieldLeft;
    int top;
    int width;
};

// Positions inside the detail frame Frame2. txtTextl(1) belongs to the window itself.
constexpr FieldPlace kFields[] = {
    {1, "Description", 120, 1080, 240, 3975},
    {2, "Year Issued", 120, 1080, 600, 1095},
    {3, "Nr. #", 120, 1080, 960, 1095},
    {21, "Version #", 3120, 3840, 960, 1095},
    {4, "Series", 120, 1080, 1320, 1455},
    {5, "Car Condition", 120, 1080, 1680, 615},
    {9, "Color", 120, 1080, 2040, 1455},
    {20, "Interior Color", 120, 1080, 2400, 1455},
    {19, "Base Plate Name", 120, 1080, 2760, 1455},
    {22, "Color", 3000, 3480, 2760, 1215},
    {6, "Wheel Type", 120, 1080, 3240, 3615},
    {7, "Box Type", 120, 1080, 3600, 615},
    {8, "Box Condition", 3000, 4080, 3600, 615},
    {11, "Storage Location", 5280, 6600, 240, 3495},
    {14, "List Price", 5280, 6600, 600, 1215},
    {12, "Purchase Price", 5280, 6600, 960, 1215},
    {13, "on", 7920, 8400, 960, 1215},
    {18, "Purchased from", 5280, 6600, 1320, 3495},
    {15, "Value", 5280, 6600, 1680, 1215},
    {16, "As of", 7920, 8400, 1680, 1215},
    {17, "Status", 5280, 6600, 2040, 1215},
    {10, "Quantity", 5280, 6600, 2400, 615},
    {0, "hidden", 4080, 4560, 1560, 615},
};

struct IconPlace {
    const char* name;
    int left;
    int top;
    int width;
    const char* accessibleName;
};

constexpr IconPlace kListIcons[] = {
    {"Image2", 2640, 1320, 240, "Series list"},
    {"Image3", 1800, 1680, 255, "Car condition list"},
    {"Image5", 2640, 2040, 240, "Color list"},
    {"Image9", 2640, 2400, 240, "Interior color list"},
    {"Image12", 2640, 2760, 240, "Base plate name list"},
    {"Image10", 4800, 2760, 240, "Base color list"},
    {"Image4", 4800, 3240, 240, "Wheel type list"},
    {"Image8", 1800, 3600, 360, "Box type list"},
    {"Image6", 4800, 3600, 240, "Box condition list"},
    {"Image7", 7920, 2040, 240, "Status list"},
};

struct ToolbarButton {
    const char* key;
    const char* tooltip;
};
constexpr ToolbarButton kButtons[] = {
    {"Add", "Add new record"},   {"Edit", "Edit existing record"},
    {"Delete", "Delete record"}, {"Find", "Find"},
    {"Report", "Reports"},       {"Help", "Help"},
};

struct MenuEntry {
    const char* text;
    const char* key;
};
constexpr MenuEntry kReportEntries[] = {
    {"All", "All"}, {"Want", "Want"}, {"Have", "Have"}, {"Sell", "Sell"}};
constexpr MenuEntry kHelpEntries[] = {
    {"Help", "Help"}, {"About", "About"}, {"Tips", "Tips"}, {"Edit Helper Menues", "EditMenu"}};

struct PickMenuPlace {
    const char* menu;
    const char* caption;
    const char* entries;
};
constexpr PickMenuPlace kPickMenus[] = {
    {"mnuWheelTypes", "wheeltypes", "mnuWheels"},
    {"mnuGrading", "grading", "mnuGrade"},
    {"mnuBoxGrading", "boxgrading", "mnuBGrading"},
    {"mnuBoxTypes", "Box Type", "mnuBoxType"},
    {"menuSeries", "Series", "mnuSeries"},
    {"menuStatus", "Status", "mnuStatus"},
    {"menuColor", "Colors", "mnuColor"},
    {"menuIColor", "InteriorColor", "mnuIColor"},
    {"menuBaseColor", "Base Color", "mnuBaseColor"},
    {"menuBaseName", "Base Name", "mnuBaseName"},
};

QString latin(const char* s) {
    return QString::fromLatin1(s);
}

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsRect(left, top, width, height));
}

QIcon icon(const QString& name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QImage iconImage(const QString& name, int w, int h) {
    return icon(name).pixmap(QSize(w, h)).toImage();
}

}  // namespace

void frmMain::buildLayout() {
    // The window is designed for "MS Sans Serif"; take the nearest face with the same metrics.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    setFont(font);
    setWindowIcon(icon(QStringLiteral("kerbside")));
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
    Frame2 = new QGroupBox(mainText::FrameCaption, client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    place(Frame2, 0, 600, 13976, 4215);

    auto* divider = new QFrame(Frame2);
    divider->setObjectName(QStringLiteral("Line1"));
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    place(divider, 5160 - 15, 120, 30, 4080);

    for (const auto& f : kFields) {
        auto* box = new LimitedTextbox(f.box == 1 ? client : static_cast<QWidget*>(Frame2));
        box->setObjectName(QStringLiteral("txtTextl_%1").arg(f.box));
        const int top = f.box == 1 ? 840 : f.top;
        place(box, f.fieldLeft, top, f.width, kFieldHeight);
        txtTextl[size_t(f.box)] = box;

        auto* label = new QLabel(latin(f.label), Frame2);
        label->setObjectName(QStringLiteral("lblText_%1").arg(f.box));
        const int labelHeight = f.box == 19 ? 2 * kFieldHeight : kFieldHeight;
        place(label, f.labelLeft, f.top, f.fieldLeft - f.labelLeft - 15, labelHeight);
        label->setAlignment(Qt::AlignLeft | (f.box == 19 ? Qt::AlignTop : Qt::AlignVCenter));
        label->setWordWrap(f.box == 19);
        label->setBuddy(box);
        box->textbox()->setAccessibleName(latin(f.label));
        box->setAccessibleName(latin(f.label));
        lblText[size_t(f.box)] = label;
    }
    txtTextl[1]->raise();
    txtTextl[0]->hide();
    lblText[0]->hide();

    lblNotes = new QLabel(mainText::NotesLabel, Frame2);
    lblNotes->setObjectName(QStringLiteral("lblNotes"));
    place(lblNotes, 5280, 2880, 1200, kFieldHeight);
    txtNotes = new QPlainTextEdit(Frame2);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtNotes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes->setTabChangesFocus(true);
    txtNotes->setAccessibleName(QStringLiteral("Notes"));
    place(txtNotes, 6600, 2760, 3495, 1335);
    lblNotes->setBuddy(txtNotes);

    // Year icon and the list icons.
    Image1_0 = new ImageBox(Frame2);
    Image1_0->setObjectName(QStringLiteral("Image1_0"));
    Image1_0->setAccessibleName(QStringLiteral("Year"));
    place(Image1_0, 2280, 600, 240, 240);
    Image1_0->setPicture(iconImage(QStringLiteral("year"), 32, 32));
    m_imageControls << Image1_0;
    for (const auto& ic : kListIcons) {
        auto* img = new ImageBox(Frame2);
        img->setObjectName(latin(ic.name));
        img->setAccessibleName(latin(ic.accessibleName));
        img->setToolTip(latin(ic.accessibleName));
        img->setCursor(Qt::PointingHandCursor);
        place(img, ic.left, ic.top, ic.width, 240);
        img->setPicture(iconImage(QStringLiteral("list"), 32, 32));
        listIcons.insert(latin(ic.name), img);
        m_imageControls << img;
    }

    cmdPlus = new QPushButton(QStringLiteral("+"), Frame2);
    cmdPlus->setObjectName(QStringLiteral("cmdPlus"));
    cmdPlus->setAccessibleName(QStringLiteral("Add plus to the car condition"));
    place(cmdPlus, 2280, 1680, 255, 255);
    cmdMinus = new QPushButton(QStringLiteral("-"), Frame2);
    cmdMinus->setObjectName(QStringLiteral("cmdMinus"));
    cmdMinus->setAccessibleName(QStringLiteral("Add minus to the car condition"));
    place(cmdMinus, 2640, 1680, 255, 255);

    // The photo frame.
    Frame3 = new QGroupBox(mainText::PhotoCaption, Frame2);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    place(Frame3, 10320, 240, 3480, 3240);
    picOutline = new QFrame(Frame3);
    picOutline->setObjectName(QStringLiteral("Shape1"));
    picOutline->setFrameShape(QFrame::Box);
    picOutline->setFrameShadow(QFrame::Plain);
    place(picOutline, 120, 360, 3255, 2295);
    imgPicture = new ImageBox(Frame3);
    imgPicture->setObjectName(QStringLiteral("imgPicture"));
    imgPicture->setAccessibleName(QStringLiteral("Picture of the model"));
    place(imgPicture, 240, 480, 3015, 2055);
    m_imageControls << imgPicture;
    txtPicDir = new QLineEdit(Frame3);
    txtPicDir->setObjectName(QStringLiteral("txtPicDir"));
    txtPicDir->setAccessibleName(QStringLiteral("Picture file"));
    place(txtPicDir, 240, 2160, 3015, 300);
    txtPicDir->hide();
    cmdSelect = new QPushButton(mainText::SelectPicture, Frame3);
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    place(cmdSelect, 120, 2760, 1215, 405);
    cmdSelect->hide();
    Option1[0] = new QRadioButton(mainText::StoreInDatabase, Frame3);
    Option1[0]->setObjectName(QStringLiteral("Option1_0"));
    place(Option1[0], 1425, 2700, 1815, 255);
    Option1[1] = new QRadioButton(mainText::StoreAsPointer, Frame3);
    Option1[1]->setObjectName(QStringLiteral("Option1_1"));
    place(Option1[1], 1425, 2940, 1815, 255);
    Option1[0]->setChecked(true);

    cmdSave = new QPushButton(mainText::Save, Frame2);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    place(cmdSave, 10800, 3600, 1095, 495);
    cmdSave->hide();
    cmdCancel = new QPushButton(mainText::Cancel, Frame2);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    place(cmdCancel, 12480, 3600, 1095, 495);
    cmdCancel->hide();

    // The record grid.
    FG1 = new FlexGrid(client);
    FG1->setObjectName(QStringLiteral("FG1"));
    FG1->setAccessibleName(QStringLiteral("Records"));
    place(FG1, 0, 4800, 9495, 2295);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    statusPanel = new QLabel(StatusBar1);
    statusPanel->setObjectName(QStringLiteral("Panel1"));
    statusPanel->setAccessibleName(QStringLiteral("Status"));
    StatusBar1->addWidget(statusPanel, 1);
    setStatusBar(StatusBar1);
    StatusBar1->setFixedHeight(twipsToPixelsY(kStatusHeight));

    buildPickMenus();

    OpenSaveDialog1 = new OpenSaveDialog(client);
    OpenSaveDialog1->setObjectName(QStringLiteral("OpenSaveDialog1"));
    OpenSaveDialog1->setVisible(false);

    // Keyboard order.
    QList<QWidget*> order{FG1};
    for (int b : {1, 2, 3, 21, 4, 5, 9, 20, 19, 22, 6, 7, 8, 11, 14, 12, 13, 18, 15, 16, 17, 10})
        order << txtTextl[size_t(b)];
    order << txtNotes << cmdSelect << cmdSave << cmdCancel << Option1[0] << Option1[1] << cmdPlus
          << cmdMinus;
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    const QSize clientSize(twipsToPixelsX(kClientWidth), twipsToPixelsY(kClientHeight));
    setFixedSize(clientSize);
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

void frmMain::buildToolbar() {
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setStyleSheet(
        QStringLiteral("QToolBar { padding: 0px; spacing: 1px; border: none; }"
                       "QToolButton { padding: 0px 3px 0px 3px; margin: 0px; }"));
    for (const auto& b : kButtons) {
        const QString key = latin(b.key);
        if (key == QLatin1String("Help"))
            Toolbar1->addSeparator();
        auto* button = new QToolButton(Toolbar1);
        button->setObjectName(key);
        button->setText(key);
        button->setToolTip(latin(b.tooltip));
        button->setAccessibleName(key);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        Toolbar1->addWidget(button);
        m_buttons.insert(key, button);
        connect(button, &QToolButton::clicked, this, [this, key] { Toolbar1_ButtonClick(key); });
        const MenuEntry* entries = nullptr;
        size_t count = 0;
        if (key == QLatin1String("Report")) {
            entries = kReportEntries;
            count = std::size(kReportEntries);
        } else if (key == QLatin1String("Help")) {
            entries = kHelpEntries;
            count = std::size(kHelpEntries);
        }
        if (entries) {
            auto* menu = new QMenu(button);
            menu->setObjectName(key + QStringLiteral("Menu"));
            for (size_t i = 0; i < count; ++i) {
                const QString text = latin(entries[i].text);
                auto* a = menu->addAction(text);
                a->setObjectName(latin(entries[i].key));
                a->setData(latin(entries[i].key));
                connect(a, &QAction::triggered, this,
                        [this, text] { Toolbar1_ButtonMenuClick(text); });
            }
            button->setMenu(menu);
            button->setPopupMode(QToolButton::MenuButtonPopup);
        }
    }
    for (const auto& b : kButtons) {
        imlToolbar1.insert(latin(b.key), icon(latin(b.key)));
    }

    Picture1 = new QWidget(Toolbar1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    place(Picture1, 7080, 0, 5775, 495);
    Image11 = new ImageBox(Picture1);
    Image11->setObjectName(QStringLiteral("Image11"));
    Image11->setAccessibleName(QStringLiteral("Kerbside Manager logo"));
    place(Image11, 3720, 0, 2040, 480);
    Image11->setPicture(iconImage(QStringLiteral("logo"), 136, 32));
    m_imageControls.prepend(Image11);
}

void frmMain::buildPickMenus() {
    for (const auto& pm : kPickMenus) {
        auto* menu = new QMenu(latin(pm.caption), this);
        menu->setObjectName(latin(pm.menu));
        auto* entry = menu->addAction(QString());
        entry->setObjectName(latin(pm.entries) + QStringLiteral("_0"));
        m_pickMenus.insert(latin(pm.menu), menu);
    }
}

void frmMain::attachToolbarImages() {
    for (const char* key : {"Add", "Edit", "Delete", "Find", "Report", "Help"}) {
        if (auto* b = m_buttons.value(latin(key)))
            b->setIcon(imlToolbar1.value(latin(key)));
    }
}

void frmMain::Form_Resize() {
    // Each step stands alone: a failing one (a negative height while minimized) is skipped.
    const int clientWidth = centralWidget()->width();
    const int statusTop = pixelsToTwipsY(StatusBar1->geometry().top());
    QRect g = FG1->geometry();
    g.moveLeft(0);
    g.setWidth(clientWidth);
    const int heightTwips = statusTop - 5500;
    if (heightTwips >= 0)
        g.setHeight(twipsToPixelsY(heightTwips));
    FG1->setGeometry(g);
    const int outerWidth = frameGeometry().width();
    Frame2->resize(std::max(0, outerWidth - twipsToPixelsX(5)), Frame2->height());
    Toolbar1->resize(outerWidth, Toolbar1->height());
    FG1->setFocus();
}

QToolButton* frmMain::toolbarButton(const QString& key) const {
    return m_buttons.value(key);
}

QAction* frmMain::toolbarMenuEntry(const QString& buttonKey, const QString& text) const {
    auto* b = m_buttons.value(buttonKey);
    if (!b || !b->menu())
        return nullptr;
    for (auto* a : b->menu()->actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

QMenu* frmMain::pickMenu(const QString& name) const {
    return m_pickMenus.value(name);
}

}  // namespace kbs
