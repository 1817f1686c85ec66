# sorvane_windows_manifest(TARGET)
# Embeds the application manifest (packaging/windows/sorvane.manifest) into
# the Windows program TARGET: it runs as the invoker, without elevation and
# without registry virtualisation.
function(sorvane_windows_manifest target)
  set(rc ${PROJECT_SOURCE_DIR}/packaging/windows/sorvane-manifest.rc)
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/windows/sorvane.manifest)
  target_sources(${target} PRIVATE ${rc})
endfunction()
