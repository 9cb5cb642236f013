target_sources(adeduze_forms PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PrefForm.cpp)
