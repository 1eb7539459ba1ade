# The report-menu commands of the listings.
add_library(kovara_listings_ui STATIC ${CMAKE_CURRENT_LIST_DIR}/ListingMenus.cpp)
target_link_libraries(kovara_listings_ui PUBLIC kovara_listings kovara_shell_ui)
target_link_libraries(kovara_ui INTERFACE kovara_listings_ui)
