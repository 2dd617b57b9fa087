#include "store/DataFile.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

TEST(DataFile, ExampleFileSurvivesLoadAndSaveByteForByte) {
    TTestServices svc;
    const std::string example = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                                "{1 0 }Friends~~~~~~18542\r\n{Fold}0\r\n"
                                "{2 6 }Home~~555 0100~~evenings~~99120\r\n{Phon}~~0\r\n"
                                "{2 2 }Sales~~~~~~70311\r\n{Team}0\r\n";
    WriteText(svc.File("tavi.dat"), example);
    TTreeNodes tree;
    LoadDataFile(CreateRoot(tree));
    SaveDataFile(tree);
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), example);
}
