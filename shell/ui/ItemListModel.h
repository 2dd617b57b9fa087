#pragma once

#include <QAbstractTableModel>

class TMainForm;

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

private:
    TMainForm& FForm;
    int FRows = 0; // the row count the views were last told of
};
