add_library(kovara_test_pdfwords STATIC ${CMAKE_CURRENT_LIST_DIR}/PdfWords.cpp)
target_link_libraries(kovara_test_pdfwords PUBLIC kovara_test_support)
target_include_directories(kovara_test_pdfwords PUBLIC ${CMAKE_CURRENT_LIST_DIR})

kovara_test(test_report_engine UI SOURCES ${CMAKE_CURRENT_LIST_DIR}/EngineTest.cpp
  LIBS kovara_report kovara_test_pdfwords)

kovara_test(test_listings UI SOURCES ${CMAKE_CURRENT_LIST_DIR}/ListingsTest.cpp
  LIBS kovara_listings kovara_test_pdfwords)

kovara_test(test_listing_layouts UI SOURCES ${CMAKE_CURRENT_LIST_DIR}/LayoutPlacementTest.cpp
  LIBS kovara_listings kovara_test_pdfwords)

kovara_test(test_listing_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/ListingCliTest.cpp
  LIBS kovara_requesttable kovara_test_pdfwords)
add_dependencies(test_listing_cli kovara-cli)

# Not a test: the pictures of the listing previews (scripts/screenshots.sh).
if(KOVARA_BUILD_TOOLS)
  add_executable(kovara-listing-screens ${CMAKE_CURRENT_LIST_DIR}/ListingScreens.cpp)
  target_link_libraries(kovara-listing-screens PRIVATE kovara_test_support kovara_ui kovara_listings)
endif()

kovara_test(test_listing_preview UI SOURCES ${CMAKE_CURRENT_LIST_DIR}/PreviewTest.cpp
  LIBS kovara_listings kovara_shell_ui kovara_test_pdfwords)

kovara_test(test_listing_menu UI SOURCES ${CMAKE_CURRENT_LIST_DIR}/ListingMenuTest.cpp
  LIBS kovara_app)
