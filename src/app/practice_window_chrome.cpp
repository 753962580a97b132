// The practice window's frame, title strip, toolbar, tree panel, page bar and status bar.
#include "app/practice_window.h"
#include "app/picture_button.h"
#include "app/picture_table.h"
#include "app/search_field.h"
#include "app/window_drag.h"
#include "platform/errors.h"
#include "store/view_mode.h"
#include "platform/page_view.h"
#include "store/program_folder.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

namespace {
constexpr int kFrame = 3;
const QColor kFrameColour(0, 134, 143);
constexpr int kClientWidth = 1001;
constexpr int kClientHeight = 545;

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

void TForm10::addPictures(QWidget* parent, int bar)
{
    for (const auto& entry : PictureTable::kEntries) {
        if (int(entry.bar) != bar)
            continue;
        const auto files = PictureTable::files(entry);
        const PictureTable::Geometry place = PictureTable::geometryOf(entry.bar);
        auto* button = new PictureButton(QString::fromLatin1(entry.name),
                                         {QString::fromStdString(files[0]), QString::fromStdString(files[1]), QString::fromStdString(files[2])},
                                         parent);
        button->setGeometry(entry.left, place.top, entry.width, place.height);
        button->setVisible(entry.shown);
        if (entry.bar == PictureTable::Bar::Toolbar) {
            button->setFixedSize(entry.width, place.height);
            parent->layout()->addWidget(button);
        }
        pictures_.insert(button->objectName(), button);
        connect(button, &PictureButton::clicked, this, [this, handler = QString::fromLatin1(entry.handler)] {
            const auto run = handlers_.value(handler);
            // A picture whose room is not plugged in does nothing.
            if (run)
                runReported(run);
        });
    }
}

PictureButton* TForm10::picture(const char* name) const
{
    return pictures_.value(QString::fromLatin1(name));
}

void TForm10::setPictureVisible(const QString& name, bool visible)
{
    if (auto* button = pictures_.value(name))
        button->setVisible(visible);
}

void TForm10::serve(const char* handler, std::function<void()> run)
{
    const bool named = std::any_of(std::begin(PictureTable::kEntries), std::end(PictureTable::kEntries),
                                   [handler](const PictureTable::Entry& entry) { return qstrcmp(entry.handler, handler) == 0; });
    if (!named)
        throw std::logic_error(std::string("no picture starts the handler ") + handler);
    if (handlers_.contains(QString::fromLatin1(handler)))
        throw std::logic_error(std::string("two rooms serve the handler ") + handler);
    handlers_.insert(QString::fromLatin1(handler), std::move(run));
}

void TForm10::plug(Room& room)
{
    for (const RoomAction& action : room.actions())
        serve(action.handler, action.run);
}

void TForm10::wirePictures()
{
    const std::pair<const char*, void (TForm10::*)()> own[] = {
        {"Image4Click", &TForm10::Image4Click},           {"Image6Click", &TForm10::Image6Click},
        {"tcxtClick", &TForm10::tcxtClick},               {"gjstClick", &TForm10::gjstClick},
        {"NewImage1Click", &TForm10::NewImage1Click},     {"NewImage10Click", &TForm10::NewImage10Click},
        {"NewImage16Click", &TForm10::NewImage16Click},   {"SpeedButton2Click", &TForm10::SpeedButton2Click},
        {"SpeedButton3Click", &TForm10::SpeedButton3Click}, {"NewImage17Click", &TForm10::NewImage17Click},
        {"NewImage18Click", &TForm10::NewImage18Click},
    };
    for (const auto& [handler, method] : own)
        serve(handler, [this, m = method] { (this->*m)(); });
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
    // The bare frame around the content drags the window too, but not what the
    // content's own widgets leave unhandled.
    drag->watchFrame(kFrame);
    wirePictures();
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

    // The title strip places its pictures itself; they sit above its layout.
    addPictures(titleStrip_, int(PictureTable::Bar::Title));
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
    addPictures(toolbar_, int(PictureTable::Bar::Toolbar));
    filler_ = new PicturePanel(toolbar_, QStringLiteral("Panel8"), QStringLiteral("/tp/toolbar-bg.jpg"));
    logo_ = backgroundPicture(filler_, QStringLiteral("Image3"), QStringLiteral("/tp/logo.jpg"));
    logo_->setGeometry(-10, 4, 206, 56);
    row->addWidget(filler_, 1);

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
    pageBar_ = bar;
    addPictures(bar, int(PictureTable::Bar::PageBar));
    searchField_ = new SearchField(bar);
    connect(searchField_, &SearchField::searchRequested, this, [this](const QString& text) { runReported([&] { searchQuestions(text); }); });
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, searchField_, &SearchField::focusForSearch);
    column->addWidget(bar);

    page_ = new PageView(area);
    page_->widget()->setCursor(Qt::PointingHandCursor);
    column->addWidget(page_->widget(), 1);

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
        PictureButton* button = picture(name);
        button->move(left, button->y());
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
