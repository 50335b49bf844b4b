// The automation calls of the workbook export: their order, names and
// arguments, the save that fails quietly, and quitting after every failure
// once the application exists.

#include "export/AufzeichnendeAutomation.h"
#include "export/UExcelExport.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

namespace {

using TZeilen = std::vector<std::string>;

const TTabelle Tabelle{2, {}, {{"#", "Film"}, {"1", "M\xFCller"}, {"2", ""}}};
const TZeilen Schluss{"Excel.DisplayAlerts = false", "Excel.Quit()"};

}  // namespace

TEST(UExcelExport, AufrufeInIhrerReihenfolgeSpalteFuerSpalte) {
  TAufzeichnendeAutomation automation;
  EXPECT_TRUE(StringgridToExcel(automation, Tabelle, "/daten/Liste.xls"));
  EXPECT_EQ(automation.Aufrufe(), (TZeilen{"CreateOleObject(\"Excel.Application\")",
                                           "Excel.Visible = false",
                                           "Excel.Workbooks()",
                                           "Workbooks.Add(-4167s)",
                                           "Excel.Workbooks[1]",
                                           "Workbook.WorkSheets[1]",
                                           "Sheet.Name = \"My Sheet Name\"",
                                           "Sheet.Cells[1,1] = \"#\"",
                                           "Sheet.Cells[2,1] = \"1\"",
                                           "Sheet.Cells[3,1] = \"2\"",
                                           "Sheet.Cells[1,2] = \"Film\"",
                                           "Sheet.Cells[2,2] = \"M\xFCller\"",
                                           "Sheet.Cells[3,2] = \"\"",
                                           "Excel.Workbooks[1]",
                                           "Workbook.saveas(&\"/daten/Liste.xls\")",
                                           "Excel.DisplayAlerts = false",
                                           "Excel.Quit()"}));
  // Application and sheet are released last, and nothing is left.
  EXPECT_EQ(TZeilen(automation.Protokoll.end() - 3, automation.Protokoll.end()),
            (TZeilen{"Excel.Quit()", "~Excel", "~Sheet"}));
  EXPECT_EQ(automation.Lebende, 0);
}

TEST(UExcelExport, GescheitertesSpeichernGibtFalse) {
  // The guard covers fetching the workbook for the save as well as the save.
  for (const auto& [aufruf, beim] : {std::pair{"Workbook.saveas", 1}, std::pair{"Excel.Workbooks[1]", 2}}) {
    TAufzeichnendeAutomation automation;
    automation.Scheitern = aufruf;
    automation.ScheiternBeim = beim;
    EXPECT_FALSE(StringgridToExcel(automation, Tabelle, "/nirgends/Liste.xls")) << aufruf;
    const TZeilen aufrufe = automation.Aufrufe();
    EXPECT_EQ(TZeilen(aufrufe.end() - 2, aufrufe.end()), Schluss) << aufruf;
    EXPECT_EQ(automation.Lebende, 0) << aufruf;
  }
}

TEST(UExcelExport, FehlerVorDemSpeichernNachQuit) {
  for (const char* aufruf : {"Excel.Visible", "Excel.Workbooks()", "Workbooks.Add", "Excel.Workbooks[1]",
                             "Workbook.WorkSheets", "Sheet.Name", "Sheet.Cells[3,1]"}) {
    TAufzeichnendeAutomation automation;
    automation.Scheitern = aufruf;
    EXPECT_EQ(FehlerVon([&] { StringgridToExcel(automation, Tabelle, "/daten/Liste.xls"); }), "Testfehler");
    // Nothing but quitting after the failed call.
    const TZeilen aufrufe = automation.Aufrufe();
    ASSERT_GE(aufrufe.size(), 3u);
    EXPECT_EQ(aufrufe[aufrufe.size() - 3].rfind(aufruf, 0), 0u) << aufruf;
    EXPECT_EQ(TZeilen(aufrufe.end() - 2, aufrufe.end()), Schluss) << aufruf;
    EXPECT_EQ(automation.Lebende, 0) << aufruf;
  }
}

TEST(UExcelExport, OhneAnwendungKeinQuit) {
  TAufzeichnendeAutomation automation;
  automation.Scheitern = "CreateOleObject";
  EXPECT_EQ(FehlerVon([&] { StringgridToExcel(automation, Tabelle, "/daten/Liste.xls"); }), "Testfehler");
  EXPECT_EQ(automation.Protokoll, TZeilen{"CreateOleObject(\"Excel.Application\")"});
}
