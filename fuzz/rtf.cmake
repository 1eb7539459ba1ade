# The RTF template engine and the documents' check of a template, fed
# arbitrary bytes as a template.
kovara_fuzz_target(rtf_template_fuzz ${CMAKE_CURRENT_LIST_DIR}/rtf_template_fuzz.cpp kovara_rtf kovara_documents)
