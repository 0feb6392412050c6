#include "pdftoolsmenustyle.h"

int PdfToolsMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                   const QWidget *widget) const
{
    if (metric == PM_SmallIconSize)
        return MenuIconSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
}
