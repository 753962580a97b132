// The practice window's frame, title strip, toolbar, tree panel, page bar and status bar.
#include "app/practice_window.h"
#include "app/window_drag.h"
#include "platform/errors.h"
#include "practice/view_mode.h"
#include "platform/page_view.h"
#include "platform/program_folder.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kFrame = 3;
const QColor kFrameColour(0, 134, 143);
constexpr int kClientWidth = 1001;
constexpr int kClientHeight = 545;

struct ToolbarEntry {
    const char* name;
    const char* stem;
    int width;
};

const ToolbarEntry kToolbar[] = {
    {"gjst", "kstk", 63},      {"NewImage1", "wdsc", 58}, {"rjdh", "rjdh", 58}, {"NewImage6", "mnkc", 58},
    {"NewImage20", "cttk", 58}, {"NewImage4", "sjbf", 58}, {"NewImage2", "sjhy", 58}, {"rjsj", "rjsj", 58},
    {"zxkf", "zxkf", 58},      {"zxsc", "zxsc", 58},      {"sybz", "sybz", 58},
};

struct PageBarEntry {
    const char* name;
    const char* stem;
    int left;
    int width;
    bool shown;
};

const PageBarEntry kPageBar[] = {
    {"NewImage10", "xsda", 30, 95, true}, {"NewImage16", "ycda", 29, 95, false}, {"NewImage11", "cxdt", 147, 95, true},
    {"NewImage12", "tjsj", 261, 95, true}, {"NewImage14", "da", 466, 76, true},   {"NewImage15", "xiao", 561, 76, true},
    {"NewImage17", "qpxs", 648, 76, true}, {"NewImage18", "ckxs", 649, 76, false},
};

QLabel* backgroundPicture(QWidget* parent, const QString& name, const QString& file)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setPixmap(QPixmap(ProgramFolder::path() + file));
    picture->setScaledContents(true);
    // The picture is disabled so that the mouse reaches the panel under it.
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    return picture;
}

// A panel whose stretched background picture follows its size.
class PicturePanel : public QWidget {
public:
    PicturePanel(QWidget* parent, const QString& name, const QString& background)
        : QWidget(parent)
        , background_(backgroundPicture(this, name + QStringLiteral("Image"), background))
    {
        setObjectName(name);
        background_->lower();
    }

protected:
    void resizeEvent(QResizeEvent*) override { background_->setGeometry(rect()); }

private:
    QLabel* background_;
};

QFont fontOf(const QStringList& families, int pixels, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
}

PictureButton* TForm10::addPicture(QWidget* parent, const QString& name, const QString& stem, const QString& ext, const QRect& place)
{
    const QString base = QStringLiteral("/tp/") + stem;
    PictureButton::Pictures pictures{base + QStringLiteral("-1") + ext, base + QStringLiteral("-2") + ext, base + QStringLiteral("-3") + ext};
    if (stem == QLatin1String("kstk"))
        pictures = {QStringLiteral("/tp/kstk-1.jpg"), QStringLiteral("/tp/KSTK-2.jpg"), QStringLiteral("/tp/KSTK-3.jpg")};
    if (stem == QLatin1String("sjhy"))
        pictures.pressed = pictures.normal;
    auto* button = new PictureButton(name, pictures, parent);
    button->setGeometry(place);
    pictures_.insert(name, button);
    return button;
}

void TForm10::buildChrome()
{
    setObjectName(QStringLiteral("TForm10"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Kaivora"));
    resize(kClientWidth + 2 * kFrame, kClientHeight + 2 * kFrame);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kFrame, kFrame, kFrame, kFrame);
    column->setSpacing(0);
    column->addWidget(buildTitleStrip());
    column->addWidget(buildToolbar());

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setHandleWidth(1);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildTreePanel());
    splitter->addWidget(buildPageArea());
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({257, kClientWidth - 258});
    column->addWidget(splitter, 1);
    buildStatusBar();
    column->addWidget(statusBar_);

    auto* drag = new WindowDrag(this);
    drag->watch(titleStrip_);
    // The bare frame around the content drags the window too.
    drag->watch(this);
}

QWidget* TForm10::buildTitleStrip()
{
    titleStrip_ = new PicturePanel(this, QStringLiteral("Panel5"), QStringLiteral("/tp/title-bg.jpg"));
    titleStrip_->setFixedHeight(25);
    titleStrip_->installEventFilter(this);

    titleLabel_ = new QLabel(QStringLiteral("Kaivora 中级职称"), titleStrip_);
    titleLabel_->setObjectName(QStringLiteral("Label4"));
    titleLabel_->setFont(fontOf({QStringLiteral("KaiTi_GB2312"), QStringLiteral("KaiTi"), QStringLiteral("楷体_GB2312"),
                                 QStringLiteral("AR PL UKai CN"), QStringLiteral("WenQuanYi Zen Hei")},
                                17, true));
    titleLabel_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    titleLabel_->move(15, 5);
    titleLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);

    addPicture(titleStrip_, QStringLiteral("NewImage9"), QStringLiteral("MinBtn"), QStringLiteral(".bmp"), {911, -2, 31, 33});
    addPicture(titleStrip_, QStringLiteral("NewImage8"), QStringLiteral("MaxBtn"), QStringLiteral(".bmp"), {940, -2, 31, 33});
    addPicture(titleStrip_, QStringLiteral("NewImage19"), QStringLiteral("resBtn"), QStringLiteral(".bmp"), {940, -2, 31, 33})->hide();
    addPicture(titleStrip_, QStringLiteral("NewImage7"), QStringLiteral("CloseBtn"), QStringLiteral(".bmp"), {969, -2, 45, 33});
    connect(pictures_.value(QStringLiteral("NewImage9")), &PictureButton::clicked, this, &TForm10::Image4Click);
    connect(pictures_.value(QStringLiteral("NewImage8")), &PictureButton::clicked, this, &TForm10::Image6Click);
    connect(pictures_.value(QStringLiteral("NewImage19")), &PictureButton::clicked, this, &TForm10::Image6Click);
    connect(pictures_.value(QStringLiteral("NewImage7")), &PictureButton::clicked, this, &TForm10::tcxtClick);
    return titleStrip_;
}

QWidget* TForm10::buildToolbar()
{
    toolbar_ = new QWidget(this);
    toolbar_->setObjectName(QStringLiteral("ToolBar1"));
    toolbar_->setFixedHeight(64);
    auto* row = new QHBoxLayout(toolbar_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (const auto& entry : kToolbar) {
        auto* button = addPicture(toolbar_, QString::fromLatin1(entry.name), QString::fromLatin1(entry.stem), QStringLiteral(".jpg"),
                                  {0, 0, entry.width, 64});
        button->setFixedSize(entry.width, 64);
        row->addWidget(button);
    }
    filler_ = new PicturePanel(toolbar_, QStringLiteral("Panel8"), QStringLiteral("/tp/toolbar-bg.jpg"));
    logo_ = backgroundPicture(filler_, QStringLiteral("Image3"), QStringLiteral("/tp/logo.jpg"));
    logo_->setGeometry(-10, 4, 206, 56);
    row->addWidget(filler_, 1);

    connect(pictures_.value(QStringLiteral("gjst")), &PictureButton::clicked, this, [this] { runReported([this] { gjstClick(); }); });
    connect(pictures_.value(QStringLiteral("NewImage1")), &PictureButton::clicked, this, [this] { runReported([this] { NewImage1Click(); }); });
    connect(pictures_.value(QStringLiteral("NewImage20")), &PictureButton::clicked, this, [this] { runReported([this] { NewImage20Click(); }); });
    return toolbar_;
}

QWidget* TForm10::buildTreePanel()
{
    treePanel_ = new QWidget(this);
    treePanel_->setObjectName(QStringLiteral("Panel2"));
    treePanel_->setMinimumWidth(120);
    auto* column = new QVBoxLayout(treePanel_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* header = new PicturePanel(treePanel_, QStringLiteral("Panel6"), QStringLiteral("/tp/treehead-bg.jpg"));
    header->setFixedHeight(30);
    viewTitle_ = new QLabel(ViewMode::kExercise, header);
    viewTitle_->setObjectName(QStringLiteral("Label3"));
    viewTitle_->setAlignment(Qt::AlignCenter);
    viewTitle_->setFont(fontOf({QStringLiteral("FangSong_GB2312"), QStringLiteral("FangSong"), QStringLiteral("仿宋_GB2312"),
                                QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")},
                               19, true));
    viewTitle_->setStyleSheet(QStringLiteral("color: #0033cc; background: transparent;"));
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(0, 0, 0, 0);
    headerRow->addWidget(viewTitle_);
    column->addWidget(header);

    tree_ = new QTreeWidget(treePanel_);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->header()->hide();
    tree_->setFrameShape(QFrame::NoFrame);
    tree_->setIndentation(23);
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(true);
    tree_->setExpandsOnDoubleClick(false);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setIconSize(QSize(16, 24));
    tree_->setFont(fontOf({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Zen Hei")}, 14, false));
    tree_->setStyleSheet(QStringLiteral(
        "QTreeWidget { background: rgb(232, 238, 249); color: black; outline: 0; }"
        "QTreeWidget::item { padding: 1px 2px; }"
        "QTreeWidget::item:selected, QTreeWidget::item:selected:!active { background: rgb(0, 134, 143); color: white; }"
        "QTreeWidget::item:hover:!selected { background: rgb(208, 226, 240); }"
        "QTreeView::branch { image: none; border-image: none; }"));
    tree_->viewport()->installEventFilter(this);
    connect(tree_, &QTreeWidget::currentItemChanged, this, &TForm10::collapseOtherBranches);
    // Expanding or collapsing repaints the whole tree at once.
    connect(tree_, &QTreeWidget::itemExpanded, tree_->viewport(), qOverload<>(&QWidget::repaint));
    connect(tree_, &QTreeWidget::itemCollapsed, tree_->viewport(), qOverload<>(&QWidget::repaint));
    column->addWidget(tree_, 1);
    return treePanel_;
}

QWidget* TForm10::buildPageArea()
{
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* bar = new PicturePanel(area, QStringLiteral("Panel7"), QStringLiteral("/tp/pagebar-bg.jpg"));
    bar->setFixedHeight(31);
    for (const auto& entry : kPageBar) {
        auto* button = addPicture(bar, QString::fromLatin1(entry.name), QString::fromLatin1(entry.stem), QStringLiteral(".bmp"),
                                  {entry.left, 3, entry.width, 25});
        button->setVisible(entry.shown);
    }
    column->addWidget(bar);

    page_ = new PageView(area);
    page_->widget()->setCursor(Qt::PointingHandCursor);
    column->addWidget(page_->widget(), 1);

    const std::pair<const char*, void (TForm10::*)()> tools[] = {
        {"NewImage10", &TForm10::NewImage10Click}, {"NewImage16", &TForm10::NewImage16Click},
        {"NewImage14", &TForm10::SpeedButton2Click}, {"NewImage15", &TForm10::SpeedButton3Click},
        {"NewImage17", &TForm10::NewImage17Click}, {"NewImage18", &TForm10::NewImage18Click},
    };
    for (const auto& [name, handler] : tools)
        connect(pictures_.value(QString::fromLatin1(name)), &PictureButton::clicked, this, [this, h = handler] { runReported([this, h] { (this->*h)(); }); });
    return area;
}

void TForm10::buildStatusBar()
{
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar_->setFixedHeight(19);
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setStyleSheet(QStringLiteral("QStatusBar { background: rgb(232, 238, 249); } QStatusBar::item { border: 0; }"
                                             "QLabel { color: #1f3a3d; padding: 0 6px; border-right: 1px solid #b9cfe0; }"));
    countPanel_ = new QLabel(QStringLiteral("试题量：XXX"));
    countPanel_->setObjectName(QStringLiteral("StatusPanel0"));
    countPanel_->setFixedWidth(255);
    countPanel_->setAlignment(Qt::AlignCenter);
    infoPanel_ = new QLabel(QStringLiteral("Kaivora 考试宝典　·　客服：support@kaivora.com　·　© 2026 Kaivora"));
    infoPanel_->setObjectName(QStringLiteral("StatusPanel1"));
    infoPanel_->setAlignment(Qt::AlignCenter);
    infoPanel_->setMinimumWidth(100);
    datePanel_ = new QLabel;
    datePanel_->setObjectName(QStringLiteral("StatusPanel2"));
    datePanel_->setMinimumWidth(50);
    statusBar_->addWidget(countPanel_);
    statusBar_->addWidget(infoPanel_, 1);
    statusBar_->addWidget(datePanel_);
}

void TForm10::placeTitlePictures()
{
    auto place = [this](const char* name, int left) {
        PictureButton* picture = pictures_.value(QString::fromLatin1(name));
        picture->move(left, picture->y());
    };
    if (maximized_) {
        const int screenWidth = screen()->geometry().width();
        place("NewImage9", screenWidth - 110);
        place("NewImage19", screenWidth - 75);
        place("NewImage7", screenWidth - 47);
    } else {
        place("NewImage9", 911);
        place("NewImage8", 940);
        place("NewImage7", 969);
    }
}

void TForm10::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kFrameColour);
}
