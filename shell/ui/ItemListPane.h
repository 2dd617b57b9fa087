#pragma once

#include "shell/ui/PaneViews.h"

#include <QStackedWidget>

class QHeaderView;
class QItemSelection;
class TItemListModel;
class TMainForm;

// The item list: an icon and list view and a details view over one model and
// one selection, stacked so that the view of the presenter's view style
// shows. It shows the presenter's rows and their selection and hands in-place
// edits, double clicks and selecting to it. While syncing is above 0 the
// window is changing the views itself, and nothing is reported.
class TItemListPane : public QStackedWidget {
public:
    TItemListPane(TMainForm& form, IPaneHost& host, int& syncing);

    TItemListModel* Model() const { return FModel; }
    // The view that shows (icons and list, or details).
    QAbstractItemView* ActiveView() const;
    QHeaderView* DetailsHeader() const;

    // The presenter's view style: the icon view's mode, the view shown.
    void ApplyViewStyle();
    // The rows were refilled: a refill in place keeps the list's scroll place.
    void RowsChanged();
    // The presenter's row selection.
    void ShowSelection();
    void ScrollToRow(int row);
    void BeginEditRow(int row);

private:
    void SelectionEdited(const QItemSelection& selected, const QItemSelection& deselected);
    void CommitRow(const QModelIndex& index, const QString& text);

    TMainForm& FForm;
    int& FSyncing;
    TItemListModel* FModel;
    TItemIconView* FIconView;
    TItemDetailsView* FDetailsView;
};
