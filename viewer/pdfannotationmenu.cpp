#include "pdfannotationmenu.h"

#include "pdfannotationlayer.h"
#include "pdfannotationmodel.h"
#include "pdfannotationstylemenu.h"

#include <QPointer>

using namespace Qt::StringLiterals;

PdfAnnotationMenu::PdfAnnotationMenu(PdfAnnotationLayer *layer, const PdfAnnotation &annotation)
    : RoundedPopupMenu(layer)
{
    setObjectName(u"pdfAnnotationContextMenu"_s);
    const QPointer<PdfAnnotationLayer> owner(layer);
    const bool redraw = PdfAnnotationModel::canRedraw(annotation);
    if (redraw) {
        QAction *edit = addAction(
            annotation.type == PdfAnnotation::Type::FreeText ? tr("编辑文字") : tr("编辑批注文字"),
            this, [owner] {
                if (owner)
                    owner->editSelectionText();
            });
        edit->setObjectName(u"pdfAnnotationEditAction"_s);
        auto *colours = new RoundedPopupMenu(this);
        colours->setObjectName(u"pdfAnnotationColourMenu"_s);
        colours->setTitle(tr("颜色"));
        colours->setIcon(PdfAnnotationStyleMenu::swatch(annotation.colour));
        PdfAnnotationStyleMenu::addColours(colours, annotation.colour, u"pdfAnnotationColour_"_s,
                                           [owner](const QColor &colour) {
                                               if (owner)
                                                   owner->setColour(colour);
                                           });
        addMenu(colours);
        addSeparator();
    }
    QAction *remove = addAction(tr("删除批注"), this, [owner] {
        if (owner)
            owner->deleteSelection();
    });
    remove->setObjectName(u"pdfAnnotationDeleteAction"_s);
    remove->setShortcut(QKeySequence::Delete);
}
