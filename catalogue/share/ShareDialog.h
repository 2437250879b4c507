#pragma once

#include <QDialog>
#include <vector>

#include "Checklists.h"
#include "LabelSheet.h"
#include "SharedPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace kbs {

// What to take along or show: which records (the want list, the models for sale, what
// checklists miss, the records shown, the whole collection), which fields, the pictures' size,
// a title and a note for the page, and the sheet of labels. Its two commands hand the choice to
// whoever listens: webPageRequested() and labelsRequested().
class ShareDialog : public QDialog {
    Q_OBJECT
public:
    // `own`: the collector's own fields, offered after the described ones and before the tags.
    explicit ShareDialog(const std::vector<checklists::List>& lists,
                         const std::vector<ownfields::Field>& own = {}, QWidget* parent = nullptr);

    exchange::ShareOptions options() const;  // without the records shown (ids)
    LabelOptions labelOptions() const;

Q_SIGNALS:
    void webPageRequested();
    void labelsRequested();

private:
    void listChosen();

    QComboBox* m_list = nullptr;
    QListWidget* m_checklists = nullptr;
    QListWidget* m_fields = nullptr;
    QComboBox* m_pictures = nullptr;
    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QComboBox* m_sheet = nullptr;
    QCheckBox* m_labelPicture = nullptr;
    QCheckBox* m_labelQr = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_labels = nullptr;
};

}  // namespace kbs
