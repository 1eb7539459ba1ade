# The preview of the listings (and, with it, printing).
target_sources(kovara_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ListingPreview.cpp)
