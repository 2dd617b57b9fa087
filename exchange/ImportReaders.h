#pragma once

// The readers of the import wizard and of "merrowin-cli import", in one
// place. They know no records: each gives plain values that the import maps
// onto records with CreateObject and ImportColumns.
//
//   source                 find the file                read it
//   bookmark page          FindBookmarkFile(dir)        ReadBookmarkPage(file): Title,
//                          GetBMTitle(file) for the     Anchors() in page order (or the
//                          status label                 folder tree in Root)
//   address-book page      FindAddressFile(dir)         AddressBookEntries(ReadBookmarkPage(file))
//   nickname file          FindNicknameFile(dir)        ReadNicknameFile(file).Entries
//   comma or tab text      MatchesMask(name, "*.CSV")   TCsvReader::Open(file, options), Next(row);
//                                                       TCsvColumnMap(header, type.Fields)
//                                                       for a header line; CsvRecordTypes()
//   favorites folder       (the chosen folder)          ReadFavorites(dir).Links, or a
//                                                       TFileIterator with TIShortCut per file;
//                                                       GetFolderName(path)
//   the wizard's pages     TWizardForm                  Pages, CurPage, NextBtnClick ...
//
// Errors: a file that cannot be read raises EInOutError ("File not found",
// "File access denied") with the file's name; a file that is no text (a NUL
// byte) raises EImportError with the file and line; an encoding iconv does
// not know raises EConvertError. A file that cannot be read fails before it
// gives a value; the CSV reader meets a NUL when it reaches that row (the
// rows before it have been given: the import keeps what it made and stops
// naming the line), the other readers before they give anything. A CSV row
// that no record takes is the import's to count.
// Text comes out as UTF-8 (TextEncoding.h says how each file is decoded).

#include "exchange/BookmarkPage.h"
#include "exchange/CsvColumns.h"
#include "exchange/CsvReader.h"
#include "exchange/FileIterator.h"
#include "exchange/IShortCut.h"
#include "exchange/ImportError.h"
#include "exchange/NicknameFile.h"
#include "exchange/TextEncoding.h"
#include "exchange/WizardForm.h"
