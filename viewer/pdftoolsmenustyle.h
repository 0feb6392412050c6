#pragma once

#include <QProxyStyle>

// Gives the tools menu its large icons; everything else comes from the base style.
class PdfToolsMenuStyle : public QProxyStyle
{
    Q_OBJECT

public:
    static constexpr int MenuIconSize = 28;

    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};
