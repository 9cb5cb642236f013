target_sources(adeduze_forms PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/IconForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SlotCellDelegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SlotGridView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SlotTableModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TitleRowHeader.cpp)
