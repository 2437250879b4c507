#pragma once

// The catalogue window's controls, found by their designed object names.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <array>
#include <type_traits>

#include "FilterBar.h"
#include "FlexGrid.h"
#include "Gallery.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "PanelLayout.h"
#include "PictureViewer.h"

namespace kbs::test {

struct Controls {
    explicit Controls(const QWidget& w) : window(w) {
        for (int i = 0; i < panel::BoxCount; ++i) {
            txtTextl[size_t(i)] =
                w.findChild<LimitedTextbox*>(QStringLiteral("txtTextl_%1").arg(i));
            lblText[size_t(i)] = w.findChild<QLabel*>(QStringLiteral("lblText_%1").arg(i));
        }
        for (int i = 0; i < 2; ++i)
            Option1[size_t(i)] = w.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(i));
    }
    template <class T>
    T* named(const char* name) const {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    const QWidget& window;
    std::array<LimitedTextbox*, panel::BoxCount> txtTextl{};
    std::array<QLabel*, panel::BoxCount> lblText{};
    std::array<QRadioButton*, 2> Option1{};
    QPlainTextEdit* txtNotes = named<QPlainTextEdit>("txtNotes");
    QLineEdit* txtPicDir = named<QLineEdit>("txtPicDir");
    ImageBox* imgPicture = named<ImageBox>("imgPicture");
    QPushButton* cmdSave = named<QPushButton>("cmdSave");
    QPushButton* cmdCancel = named<QPushButton>("cmdCancel");
    QPushButton* cmdSelect = named<QPushButton>("cmdSelect");
    QGroupBox* Frame2 = named<QGroupBox>("Frame2");
    FlexGrid* FG1 = named<FlexGrid>("FG1");
    FilterBar* FilterBar1 = window.findChild<FilterBar*>();
    Gallery* gallery = named<Gallery>("Gallery");
    QToolButton* cmdGallery = named<QToolButton>("Gallery");
    PictureViewer* viewer() const { return window.findChild<PictureViewer*>(); }
};

}  // namespace kbs::test

namespace kbs {

// The controls of a window, given as the window, a pointer to it or anything whose -> leads to
// it (the test's Window, a unique_ptr).
template <class T>
test::Controls ui(T&& x) {
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_base_of_v<QWidget, U>)
        return test::Controls(x);
    else if constexpr (std::is_pointer_v<U>)
        return ui(*x);
    else
        return ui(x.operator->());
}

}  // namespace kbs
