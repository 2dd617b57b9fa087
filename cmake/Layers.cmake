# The layers of Merrowin, lowest first. Each layer is one folder (its *.cpp
# files make one static library, merrowin_<layer>) and names the layers whose
# headers it may include directly; what those may include, it may include too.
# The same table builds the targets (CMakeLists.txt) and drives the include
# check (cmake/CheckLayers.cmake), so a folder's place is written once.
#
#   layer           folder          may include         Qt
set(MERROWIN_LAYERS
  "platform        platform        -                   core"
  "formats         exchange        platform            core"
  "report          report          platform            core"
  "store           store           formats             core"
  "comm            comm            store               core"
  "records         records         comm                core"
  "reminders       reminders       records             core"
  "exchange        exchange/jobs   reminders           core"
  "printing        printing        reminders,report    core"
  "shell           shell           exchange,printing   core"
  "automation      automation      shell               core"
  "platform_ui     platform/ui     platform            ui"
  "store_ui        store/ui        store,platform_ui   ui"
  "records_ui      records/ui      records,store_ui    ui"
  "reminders_ui    reminders/ui    reminders,records_ui ui"
  "comm_ui         comm/ui         comm,platform_ui    ui"
  "report_ui       report/ui       report,platform_ui  ui"
  "printing_ui     printing/ui     printing,report_ui,reminders_ui ui"
  "exchange_ui     exchange/ui     exchange,reminders_ui ui"
  "shell_ui        shell/ui        shell,exchange_ui,printing_ui,comm_ui ui"
  "automation_ui   automation/ui   automation,shell_ui ui"
  "cli             cli             automation          program"
  "cli_ui          cli/ui          cli,printing_ui     program"
  "app             app             automation_ui       program"
)

# Splits one row of the table into LAYER_NAME, LAYER_DIR, LAYER_USES (a list)
# and LAYER_KIND in the caller's scope.
function(merrowin_layer_row row)
  string(REGEX REPLACE "[ \t]+" ";" fields "${row}")
  list(GET fields 0 name)
  list(GET fields 1 dir)
  list(GET fields 2 uses)
  list(GET fields 3 kind)
  if(uses STREQUAL "-")
    set(uses "")
  else()
    string(REPLACE "," ";" uses "${uses}")
  endif()
  set(LAYER_NAME ${name} PARENT_SCOPE)
  set(LAYER_DIR ${dir} PARENT_SCOPE)
  set(LAYER_USES "${uses}" PARENT_SCOPE)
  set(LAYER_KIND ${kind} PARENT_SCOPE)
endfunction()
