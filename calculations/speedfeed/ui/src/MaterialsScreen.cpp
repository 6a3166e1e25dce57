#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "SpeedFeedPictures.h"
#include "calc/ui/FrameWidgets.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"
#include "speedfeed/MaterialList.h"
#include "speedfeed/SpeedFeedScreens.h"

namespace calc {
namespace {

constexpr int kListX = 120, kListY = 420, kListW = 6960;
constexpr int kListTall = 4545, kListShort = 3570;

}  // namespace

frmMaterialsV74::frmMaterialsV74(CalcEnv& env, frmSpeedFeedV74* speedFeed, QWidget* parent)
    : CalcScreen(env,
                 {"frmMaterialsV74", tr("Material List"), tr("Materials"), 7200, 7450,
                  "html\\MaterialList.htm", ""},
                 parent),
      speedFeed_(speedFeed) {
    // Shown once the list has shrunk (a row picked or a search run).
    lblMaterialName_ = AddLabel("lblMaterialName", "Label1", 120, 4080, 6960, 480);
    lblMaterialName_->setWordWrap(true);
    QFont bold = lblMaterialName_->font();
    bold.setBold(true);
    lblMaterialName_->setFont(bold);
    AddLabel("lblFPM", tr("Feet per minute:"), 120, 4620, 1560, 285);
    txtFPM_ = AddEntryBox("txtFPM", 1740, 4620, 1215, 285);
    txtFPM_->setText("0");
    AddLabel("lblMPM", tr("Metres per minute:"), 3360, 4620, 1860, 285);
    txtMPM_ = AddEntryBox("txtMPM", 5280, 4620, 1215, 285);
    txtMPM_->setText("0");

    lstMaterials_ = new QListWidget(this);
    lstMaterials_->setObjectName("lstMaterials");
    SetListExpanded(true);
    // Long rows wrap rather than hide their speed off to the right; each high-speed steel /
    // carbide pair shares a shade.
    lstMaterials_->setWordWrap(true);
    lstMaterials_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstMaterials_->setResizeMode(QListView::Adjust);
    const auto rows = MaterialRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* item = new QListWidgetItem(Q(rows[i]), lstMaterials_);
        if ((i / 2) % 2 == 1) item->setBackground(QColor(232, 242, 252));
    }
    lstMaterials_->raise();

    AddLabel("lblSearch", tr("Search for:"), 120, 5175, 1000, 285);
    txtSearch_ = AddEntryBox("txtSearch", 1140, 5160, 2400, 315);
    txtSearch_->setText("0");
    for (PressLabel* button : {AddLabelCommand("lblSearchButton", tr("Search (down)"), 3660, 5160,
                                               1620, 315, [this] { Search(); }),
                               AddLabelCommand("lblBackButton", tr("Back to Top"), 5400, 5160, 1620,
                                               315, [this] { BackToTop(); })}) {
        QFont f = button->font();
        f.setBold(true);
        button->setFont(f);
    }
    QLabel* hint = AddLabel("Label3", tr("Click Help for material condition abbreviations."), 120,
                            5820, 3600, 480);
    hint->setWordWrap(true);

    auto* copy = AddScreenCommand(
        "lblCopyButton", tr("Copy Surface Speed to Machining Calculations"), FaceDrawing::Blank,
        3900, 5820, 3120, 1215, [this] { CopySurfaceSpeed(); });
    new FaceOverlay(copy->Face(), PaintCopyFace);

    connect(lstMaterials_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) PickRow(row);
    });
    connect(lstMaterials_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { PickRow(lstMaterials_->row(item)); });
}

void frmMaterialsV74::SetListExpanded(bool expanded) {
    lstMaterials_->setGeometry(TwRect(kListX, kListY, kListW, expanded ? kListTall : kListShort));
}

void frmMaterialsV74::PickRow(int row) {
    SetListExpanded(false);
    const QListWidgetItem* item = lstMaterials_->item(row);
    if (!item) return;
    const auto pick = PickMaterialRow(S(item->text()));
    if (!pick) return;
    lblMaterialName_->setText(Q(pick->name));
    txtFPM_->setText(Q(pick->fpm));
    txtMPM_->setText(Q(FeetToMetresPerMinuteText(S(txtFPM_->text()))));
}

void frmMaterialsV74::SelectRow(int row) {
    if (lstMaterials_->currentRow() == row) {
        PickRow(row);
    } else {
        lstMaterials_->setCurrentRow(row);
    }
    lstMaterials_->scrollToItem(lstMaterials_->item(row));
}

void frmMaterialsV74::Search() {
    SetListExpanded(false);
    if (txtSearch_->text().isEmpty()) return;
    const std::string needle = NormaliseMaterialSearch(S(txtSearch_->text()));
    txtSearch_->setText(Q(needle));

    std::vector<std::string> rows;
    rows.reserve(lstMaterials_->count());
    for (int i = 0; i < lstMaterials_->count(); ++i)
        rows.push_back(S(lstMaterials_->item(i)->text()));
    const int found = SearchMaterialRows(rows, needle);
    // The rows examined show in lower case from now on.
    const int examined = found >= 0 ? found + 1 : static_cast<int>(rows.size());
    for (int i = 0; i < examined; ++i) lstMaterials_->item(i)->setText(Q(rows[i]));

    if (found >= 0) {
        SelectRow(found);
    } else {
        Env().messages.ShowMessage(MaterialNotFoundText(needle), kAppTitle, MsgIcon::None);
    }
}

void frmMaterialsV74::BackToTop() {
    SelectRow(0);
}

void frmMaterialsV74::CopySurfaceSpeed() {
    if (!speedFeed_) return;
    speedFeed_->SurfaceSpeedBox()->setText(speedFeed_->InchSelected() ? txtFPM_->text()
                                                                      : txtMPM_->text());
}

}  // namespace calc
