#pragma once

#include "roundedpopupmenu.h"

class PdfAnnotationLayer;
struct PdfAnnotation;

// The menu of a right click on an annotation (the layer's selection): edit its text, change its
// colour, delete it.
class PdfAnnotationMenu : public RoundedPopupMenu
{
    Q_OBJECT

public:
    PdfAnnotationMenu(PdfAnnotationLayer *layer, const PdfAnnotation &annotation);
};
