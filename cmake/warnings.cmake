# One place that decides the warning flags of every target of ours.
function(zentrafel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ZENTRAFEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
