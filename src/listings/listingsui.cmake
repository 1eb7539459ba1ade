# The preview of the listings (and, with it, printing) and their menu commands.
target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ListingPreview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListingMenus.cpp)
target_link_libraries(kovara_ui PUBLIC kovara_listings)
