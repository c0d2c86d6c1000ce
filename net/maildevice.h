// The default device of SendMail, supplied by each build: the TCP/IP device
// in the product, none in the host build.
#pragma once

class BASEIO;

BASEIO* DefaultMailDevice();
