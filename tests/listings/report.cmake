add_library(kovara_test_pdfwords STATIC ${CMAKE_CURRENT_LIST_DIR}/PdfWords.cpp)
target_link_libraries(kovara_test_pdfwords PUBLIC kovara_test_support)
target_include_directories(kovara_test_pdfwords PUBLIC ${CMAKE_CURRENT_LIST_DIR})

kovara_test(test_report_engine UI SOURCES ${CMAKE_CURRENT_LIST_DIR}/EngineTest.cpp
  LIBS kovara_report kovara_test_pdfwords)

kovara_test(test_listings UI SOURCES ${CMAKE_CURRENT_LIST_DIR}/ListingsTest.cpp
  LIBS kovara_listings kovara_test_pdfwords)
