#include "ui/champtourpage.h"

#include "data/codes.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "platform/controltext.h"
#include "platform/sysutils.h"
#include "presenters/dbresultgrid.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

TChampTourPage::TChampTourPage(QWidget* parent, int champID) : TCardPage(parent, "tabTour"), ChampID(champID)
{
    BuildLayout();
    ApplyLanguage();
    gridTour->ResizeArr(30, 42);
    Marks = std::make_unique<DBResultGrid>(gridTour);
    Marks->SetupChampColumns();
    Sides.OnChecked(this, [this] { Fill(); });
    Kinds.OnChecked(this, [this] { Fill(); });
}

TChampTourPage::~TChampTourPage() = default;

void TChampTourPage::BuildLayout()
{
    Sides = AddSideRadios(this, nullptr,
                          {{"btnTourFldAll", &btnTourFldAll},
                           {"btnTourFldHome", &btnTourFldHome},
                           {"btnTourFldAway", &btnTourFldAway}});
    Kinds = AddRadioRow(this, nullptr,
                        {{"btnTourType1", &btnTourType1}, {"btnTourType2", &btnTourType2},
                         {"btnTourType3", &btnTourType3}, {"btnTourType4", &btnTourType4},
                         {"btnTourType5", &btnTourType5}, {"btnTourType6", &btnTourType6}});
    gridTour = new TJXGrid(this);
    gridTour->setObjectName("gridTour");
    AddPageLayout(this, {Sides.frame, Kinds.frame})->addWidget(gridTour, 1);
}

void TChampTourPage::ApplyLanguage()
{
    Kinds.SetCaptions({1032, 1107, 1211, 1212});
    const AnsiString handicap = IntToStr(DBSetting::Global()->ReadInteger("TourHandicap")) + ".5";
    SetCaption(btnTourType5, "-" + handicap);
    SetCaption(btnTourType6, "+" + handicap);
}

void TChampTourPage::Fill()
{
    Marks->FillChamp(ChampID, Sides.Field(), MarkKind::First + std::max(Kinds.Checked(), 0));
}
