#pragma once

#include <QFrame>
#include <QPointer>
#include <QString>
#include <vector>

#include "CastingIndex.h"

class QLabel;
class QTableWidget;

namespace kbs {

class RecordSet;

// While a record is added: the records of the same casting already in the catalogue, each with
// its variation fields, quantity, status and storage location, the fields in which it differs
// from what is being typed marked (a sign, bold type, and "differs" for a screen reader). It
// lies over the top of `under` (the grid), never takes the focus, and hides when nothing
// matches. The texts of the question before saving the very same model again, and of a new
// variation, are its own too.
class CastingList : public QFrame {
    Q_OBJECT
public:
    CastingList(QWidget& under, QWidget* parent);

    // The most records listed; the heading counts the rest.
    static constexpr int MaxRows = 30;

    // Lists the records of `matches` (the same casting as `typed`), the closest first; hides
    // when there are none.
    void showMatches(const RecordSet& rs, const CastingIndex& index,
                     const std::vector<CastingIndex::Slot>& matches,
                     const CastingIndex::Variation& typed);
    QTableWidget* table() const { return m_table; }
    QString heading() const;

    // ---- texts
    // "You have this model already: 2 in Shelf B2", with the answers; `others` more records
    // are of the same model.
    static QString sameModelQuestion(const QString& quantity, const QString& location,
                                     const QString& description, qint64 id, int others);
    static QString sameModelTitle();
    static QString notWholeQuantity(const QString& quantity);
    static QString newVariationText(const QString& description);
    static QString duplicatesEntry();  // the Report menu's entry and the filter toggle's caption
    static QString duplicatesCaption();
    static QString duplicatesToggleName();
    static QString duplicatesToggleCaption();  // short: the toolbar has little room

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QPointer<QWidget> m_under;
    QLabel* m_heading = nullptr;
    QTableWidget* m_table = nullptr;
};

}  // namespace kbs
