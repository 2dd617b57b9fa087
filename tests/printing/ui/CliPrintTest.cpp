// merrowin-cli print: reports written as PDF from a data file, without a
// display, read back with pdftotext.
#include "../PrintingFixture.h"
#include "report/EnvelopeSize.h"
#include "report/LabelStock.h"
#include "store/DataFile.h"
#include "support/PdfText.h"

#include <sys/wait.h>

namespace {

struct TRun {
    int Code;
    std::string Err;
};

class CliPrint : public PrintingFixture {
protected:
    // Runs the command line on the data saved from the tree, with no
    // display to open.
    TRun Run(const std::string& args) {
        doc.Save();
        const std::string err = svc.File("stderr.txt");
        const std::string cmd = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                std::string(MERROWIN_CLI_PATH) + " --home '" + svc.Home.Path() +
                                "' " + args + " 2>'" + err + "'";
        int status = std::system(cmd.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(err)};
    }
    std::string Pdf() const { return svc.File("out.pdf"); }

    const TPostal kLeeds{{"12 High St"}, "Leeds", "West Yorks", "LS1", "UK"};
};

TEST_F(CliPrint, ThirtyAvery5160LabelsAPageEachInsideItsLabel) {
    TTreeNode* people = Folder("People");
    for (int k = 0; k < 35; ++k) {
        // Two digits, so that the titles sort as they were made.
        const std::string tag = (k < 10 ? "#0" : "#") + std::to_string(k);
        const TPostal home{{tag + " High St"}, "Leeds" + tag, "WY", "LS1", "UK"};
        Person(people, tag, "Smith", &home);
    }
    TRun r = Run("print labels 'My Contacts' --pdf '" + Pdf() + "' --stock 'Avery 5160-Address'");
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    auto pages = pdftext::ReadPdf(Pdf());
    ASSERT_EQ(pages.size(), 2u);
    const TLabelStock& stock = *labelstock::Find("Avery 5160-Address");
    int names[2] = {0, 0};
    for (size_t p = 0; p < pages.size(); ++p)
        for (const TPdfWord& w : pages[p].Words) {
            if (w.Text.rfind('#', 0) != 0) continue;
            const int k = std::stoi(w.Text.substr(1));
            TLabelPlace at = labelstock::LabelPlace(stock, k);
            EXPECT_EQ(at.Sheet, static_cast<int>(p)) << w.Text;
            EXPECT_TRUE(at.Box.Contains(w.Box, 0.5)) << w.Text << " outside label " << k;
            ++names[p];
        }
    // Each label shows its tag twice: in the name and in the street.
    EXPECT_EQ(names[0], 2 * 30);
    EXPECT_EQ(names[1], 2 * 5);
}

TEST_F(CliPrint, AnEnvelopeForAPersonCarriesItsAddressAndTheReturnAddress) {
    Person(Folder("Friends"), "Ann", "Adams", &kLeeds);
    WriteText(svc.File("sender.txt"), "Sam Sender\r\n1 Return Rd\r\n");
    TRun r = Run("print envelope 'My Contacts/Friends/Adams, Ann' --pdf '" + Pdf() +
                 "' --envelope DL --return '" + svc.File("sender.txt") + "'");
    ASSERT_EQ(r.Code, 0) << r.Err;
    auto pages = pdftext::ReadPdf(Pdf());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].Width, 220 / 0.254, 1); // whole points
    const TEnvelopeSize& dl = envelope::Sizes()[4];
    TEnvelopePlacement at = envelope::Place(dl, pages[0].Width, pages[0].Height);
    auto ann = pages[0].Find("Ann");
    auto sam = pages[0].Find("Sam");
    ASSERT_EQ(ann.size(), 1u);
    ASSERT_EQ(sam.size(), 1u);
    EXPECT_NEAR(ann[0].Box.Left, at.DeliveryX, 1.5);
    EXPECT_NEAR(sam[0].Box.Left, at.ReturnX, 1.5);
    EXPECT_NE(pages[0].Text().find("Leeds, West Yorks"), std::string::npos) << pages[0].Text();
}

TEST_F(CliPrint, ListBookAndSimpleListTakeTheirOptions) {
    Person(nullptr, "Ann", "Adams", &kLeeds);
    struct Row {
        const char* Args;
        const char* Expected;
        bool Landscape;
    } rows[] = {{"list 'My Contacts' --title 'Club List' --landscape", "Club List", true},
                {"book 'My Contacts' --columns 2", "Adams, Ann", false},
                {"simple 'My Contacts/Adams, Ann' --title Everything", "Everything", false}};
    for (const Row& row : rows) {
        TRun r = Run(std::string("print ") + row.Args + " --pdf '" + Pdf() + "'");
        ASSERT_EQ(r.Code, 0) << row.Args << ": " << r.Err;
        auto pages = pdftext::ReadPdf(Pdf());
        ASSERT_FALSE(pages.empty());
        EXPECT_NE(pages[0].Text().find(row.Expected), std::string::npos) << row.Args;
        EXPECT_EQ(pages[0].Width > pages[0].Height, row.Landscape) << row.Args;
    }
}

TEST_F(CliPrint, MistakesAreUsageErrorsAndAFailedWriteIsAnError) {
    struct Row {
        const char* Args;
        int Code;
        const char* Message;
    } rows[] = {
        {"print labels 'My Contacts'", 2, "print needs --pdf FILE"},
        {"print labels 'Nowhere' --pdf x.pdf", 2, "no such node: Nowhere"},
        {"print labels 'My Contacts' --pdf x.pdf --stock 'Avery 9999'", 2,
         "no such label stock: Avery 9999"},
        {"print labels 'My Contacts' --pdf x.pdf --start 31", 2,
         "a sheet of Avery 5095-Name Tag has 8 labels"},
        {"print list 'My Contacts' --pdf x.pdf --stock 'Avery 5160-Address'", 2,
         "--stock does not apply to list"},
        {"print envelope 'My Contacts' --pdf x.pdf --return missing.txt", 1, "File not found"},
        {"print list 'My Contacts' --pdf /nonexistent/dir/out.pdf", 1, "/nonexistent/dir/out.pdf"},
    };
    for (const Row& row : rows) {
        TRun r = Run(row.Args);
        EXPECT_EQ(r.Code, row.Code) << row.Args << ": " << r.Err;
        EXPECT_NE(r.Err.find(row.Message), std::string::npos) << row.Args << ": " << r.Err;
    }
}

} // namespace
