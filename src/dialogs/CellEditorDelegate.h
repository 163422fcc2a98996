#pragma once

#include <functional>

#include <QStyledItemDelegate>

#include "dialogs/FieldRule.h"

namespace kvd::gui {

// Edits a dialog grid's cells with a line edit under a field rule. The owner may refuse an
// edit before it starts and decides what an ended edit does to the grid.
class CellEditorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using CanEdit = std::function<bool(int row, int column)>;
    using Commit = std::function<void(int row, int column, const QString& typed)>;

    CellEditorDelegate(QObject* parent, FieldRule rule, Commit commit, CanEdit canEdit = {});

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    FieldRule rule_;
    Commit commit_;
    CanEdit canEdit_;
};

}  // namespace kvd::gui
