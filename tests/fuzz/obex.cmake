# The OBEX packet and header parser that reads every byte a peer sends.
kelpset_fuzz_target(obex_packet ${PROJECT_SOURCE_DIR}/tests/obex/packet_fuzz.cpp obex_engine)
