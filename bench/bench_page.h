#pragma once
#include "platform/page_view.h"
#include "support/test_folder.h"
#include "synthetic_bank.h"
#include <QWidget>

// The synthetic bank and a page view in a shown window of a fixed size.
namespace bench {
struct SyntheticChapter {
    TestFolder folder;
    // The big chapter of the synthetic bank.
    const int id = SyntheticBank().generate(folder.db());
};

struct ShownPage {
    ShownPage()
    {
        page.widget()->resize(1000, 700);
        window.resize(1000, 700);
        window.show();
    }
    QWidget window;
    PageView page{&window};
};
}
