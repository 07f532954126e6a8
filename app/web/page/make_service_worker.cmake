# Writes sw.js from its template: the list of the site's files with its index
# page, and a cache name that changes whenever any of their contents does.
#   cmake -DSITE_DIR=... -DFILES=a;b;... -DINDEX=index.html -DTEMPLATE=sw.js.in -DOUTPUT=sw.js
#         -P make_service_worker.cmake
set(digests "")
set(quoted "")
foreach(name IN LISTS FILES)
  file(SHA256 ${SITE_DIR}/${name} digest)
  string(APPEND digests "${name} ${digest}\n")
  list(APPEND quoted "'${name}'")
endforeach()
list(JOIN quoted "," quoted)
string(SHA256 site_digest "${digests}")
string(SUBSTRING ${site_digest} 0 16 site_digest)
set(QUORVEL_CACHE_NAME "quorvel-${site_digest}")
set(QUORVEL_SITE_FILES "${quoted}")
set(QUORVEL_INDEX_FILE "${INDEX}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY NEWLINE_STYLE UNIX)
