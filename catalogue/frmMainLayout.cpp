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

#include <QToolButton>
#include <QTreeView>

#include "Collection.h"
#include "Designed.h"
#include "DetailPanel.h"
#include "FilterBar.h"
#include "FlexGrid.h"
#include "Gallery.h"
#include "GroupPanel.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "MainToolbar.h"
#include "OpenSaveDialog.h"
#include "PanelLayout.h"
#include "Twips.h"
#include "ViewCommands.h"
#include "frmMain.h"

namespace kbs {

namespace {

constexpr int kClientWidth = 14040;
constexpr int kClientHeight = 8700;
constexpr int kStatusHeight = 390;
constexpr int kGridTop = 4800;
constexpr int kGridGapAbove = 700;  // the resized grid ends this far above the status bar
constexpr int kFrameNarrower = 5;   // the resized frame is this much narrower than the window

}  // namespace

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
    m_panel = new DetailPanel(*client, *this, m_session);
    Frame2 = m_panel->frame();
    for (int i = 0; i < panel::BoxCount; ++i)
        txtTextl[size_t(i)] = m_panel->box(i);
    txtNotes = m_panel->notes();
    cmdSelect = m_panel->selectButton();

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

    // Keyboard order: the grid, the detail fields, then the panel's buttons.
    QList<QWidget*> order{FilterBar1->edit()};
    for (const QString& status : FilterBar::statusNames())
        order << FilterBar1->toggle(status);
    order << FG1;
    for (const panel::Field* c : panel::tabOrder)
        order << (c->box >= 0 ? static_cast<QWidget*>(m_panel->box(c->box)) : m_panel->notes());
    order << m_panel->selectButton() << cmdSave << cmdCancel << m_panel->option(0)
          << m_panel->option(1) << m_panel->plusButton() << m_panel->minusButton();
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
    FG1->setGeometry(m_groups ? m_groups->placeIn(g) : g);
    const int outerWidth = frameGeometry().width();
    Frame2->resize(std::max(0, outerWidth - twipsToPixelsX(kFrameNarrower)), Frame2->height());
    Toolbar1->resize(outerWidth, Toolbar1->height());
    FG1->setFocus();
    placeGallery();
}

// The group view at the left of the grid, narrowing it together with the filter.
void frmMain::buildGroupView() {
    m_groups = new GroupPanel(centralWidget());
    new ViewCommands(
        *this, *cmdGallery, *m_groups,
        {[this] { return galleryShown(); }, [this](bool shown) { setGalleryShown(shown); }});
    connect(m_groups, &GroupPanel::chosenChanged, this,
            [this] { FG1->model().setGroup(m_groups->chosen()); });
    connect(m_groups, &GroupPanel::openChanged, this, [this](bool open) {
        placeGroupView();
        if (!open)
            leaveGroupView();
    });
    connect(m_groups, &GroupPanel::widthChanged, this, &frmMain::placeGroupView);
    connect(m_groups, &GroupPanel::leaveRequested, this, &frmMain::leaveGroupView);
    setTabOrder(m_groups->tree(), FG1);
    m_groups->restoreOpen();
}

// Back to the records: the grid, or the gallery in its place.
void frmMain::leaveGroupView() {
    (galleryShown() ? static_cast<QWidget*>(gallery) : FG1)->setFocus();
}

// The panel at the left of the grid's place, the grid in the rest.
void frmMain::placeGroupView() {
    QRect area = FG1->geometry();
    area.setLeft(0);
    FG1->setGeometry(m_groups->placeIn(area));
    placeGallery();
}

GroupPanel* frmMain::groupPanel() const {
    return m_groups;
}

}  // namespace kbs
