// The parser factory and the twenty-three methods of "QURSAX2Parser".
#pragma once

namespace qur {

bool PublishParserProcedures();

}  // namespace qur
