target_sources(adeduze_forms PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BadAddrForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OKBottomDlg.cpp)
