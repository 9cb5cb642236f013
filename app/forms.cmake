target_sources(adeduze_forms PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BevelPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExpertsForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ManagerMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtUi.cpp)
