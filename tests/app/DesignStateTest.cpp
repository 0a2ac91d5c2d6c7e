#include "app/DesignState.h"

#include <gtest/gtest.h>

namespace {

TEST(DesignState, LoadTimeDefaultsAreRealDesignValues) {
    resetDesignState();
    const DesignState& ds = designState();
    EXPECT_EQ(ds.ModulE, 206000);
    EXPECT_EQ(ds.Ry, 230.0);
    EXPECT_EQ(ds.SteelName.str(), QStringLiteral("C235"));
    EXPECT_EQ(ds.GammaN, 1.0);
    EXPECT_EQ(ds.GammaC, 1.0);
    EXPECT_EQ(ds.Gibkost, 90.0);
    EXPECT_EQ(ds.FileName.str(), QStringLiteral("Noname"));
    EXPECT_TRUE(ds.NewProject);
    EXPECT_FALSE(ds.AppendReport);
    EXPECT_FALSE(ds.NextStep);
    EXPECT_FALSE(ds.SortOk);
    EXPECT_FALSE(ds.TstOut);
    EXPECT_EQ(ds.LandaType, 0);
    EXPECT_EQ(ds.SechType, 0);
    EXPECT_EQ(ds.NormIndex, 0);
    EXPECT_TRUE(ds.Nazvanie.isEmpty());
    EXPECT_TRUE(ds.TabFileName.isEmpty());
}

TEST(DesignState, ResetRestoresDefaultsAndBoundedFieldsCut) {
    DesignState& ds = designState();
    ds.Ry = 350;
    ds.Nazvanie = QString(70, QChar(u'Ж'));
    ds.SechName = QString(61, QLatin1Char('x'));
    ds.Normy = QStringLiteral("СНиП II-23-81* и ещё текст");
    EXPECT_EQ(ds.Nazvanie.size(), 50);
    EXPECT_EQ(ds.SechName.size(), 60);
    EXPECT_EQ(ds.Normy.size(), 20);
    resetDesignState();
    EXPECT_EQ(designState().Ry, 230.0);
    EXPECT_TRUE(designState().Nazvanie.isEmpty());
    EXPECT_EQ(&designState(), &ds); // one process-wide instance
}

} // namespace
