#pragma once

#include <QAbstractTableModel>
#include <vector>

class TMainForm;
class TKexObject;

// The item list's rows (the presenter's MainItems) as a table of three
// columns: Title, Target, Comment. The presenter owns the rows; the model is
// reset whenever it says they were refilled.
class TItemListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TItemListModel(TMainForm& form, QObject* parent = nullptr);

    static constexpr int ImageRole = Qt::UserRole;
    static constexpr int StateRole = Qt::UserRole + 1;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The rows were refilled.
    void Reset();
    // The records of the rows the views were last told of, in row order.
    // They are only compared, never followed: some may be gone.
    const std::vector<const TKexObject*>& Records() const { return FRecords; }
    // Whether some record of before is still shown: the rows were refilled in
    // place (an edit, a paste, a delete), not for another node.
    bool StillShowsAnyOf(std::vector<const TKexObject*> before) const;

private:
    TMainForm& FForm;
    int FRows = 0; // the row count the views were last told of
    std::vector<const TKexObject*> FRecords;
};
