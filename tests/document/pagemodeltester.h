#pragma once

#include <QAbstractItemModelTester>

// QAbstractItemModelTester for the page model, failing the running test on every finding but
// one: page numbers (the display role) follow the rows, so the rows after an inserted or
// removed block show new numbers, which the tester takes for changed neighbours.
class PageModelTester
{
public:
    explicit PageModelTester(QAbstractItemModel *model);
    ~PageModelTester();

private:
    int m_installed = 0;
    QAbstractItemModelTester m_tester;
};
