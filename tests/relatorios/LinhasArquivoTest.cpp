#include <QBuffer>

#include <gtest/gtest.h>

#include "relatorios/recibo/LinhasArquivo.h"
#include "suporte/QtGtest.h"

namespace {

QList<QByteArray> Le(const QByteArray& bytes, int64_t limite = -1) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  LinhasArquivo linhas(buffer, limite);
  QList<QByteArray> r;
  QByteArrayView l;
  while (linhas.Proxima(l)) r << l.toByteArray();
  EXPECT_FALSE(linhas.Falhou());
  return r;
}

struct CasoLinhas {
  const char* nome;
  QByteArray bytes;
  int64_t limite;
  QList<QByteArray> linhas;
};

class Linhas : public testing::TestWithParam<CasoLinhas> {};

TEST_P(Linhas, SplitAsBytes) { EXPECT_EQ(Le(GetParam().bytes, GetParam().limite), GetParam().linhas); }

const QByteArray kLonga = QByteArray(LinhasArquivo::kLinhaMaxima + 10, 'x');

INSTANTIATE_TEST_SUITE_P(
    Casos, Linhas,
    testing::Values(
        CasoLinhas{"CrLf", "HC1\r\nRC2\r\n", -1, {"HC1", "RC2"}},
        CasoLinhas{"LastLineWithoutEnd", "HC1\nRC2", -1, {"HC1", "RC2"}},
        CasoLinhas{"EmptyLinesCount", "\r\n\nA\r\n", -1, {"", "", "A"}},
        // Bytes stay bytes: no decoding, no zero that ends a line.
        CasoLinhas{"Bytes", QByteArray("\xE7\xE3o\0x\r\n", 6), -1, {QByteArray("\xE7\xE3o\0x", 5)}},
        CasoLinhas{"LimitStopsBeforeTheEnd", "TOLV|\r\nFIMTOLV|\r\n<envelope/>\r\n", 17, {"TOLV|", "FIMTOLV|"}},
        CasoLinhas{"LimitCutsALine", "ABCDEF\r\n", 3, {"ABC"}},
        CasoLinhas{"LongLineIsCut", kLonga + "\r\nB\r\n", -1, {kLonga.left(LinhasArquivo::kLinhaMaxima), "B"}},
        CasoLinhas{"LongLastLineIsCut", "A\n" + kLonga, -1, {"A", kLonga.left(LinhasArquivo::kLinhaMaxima)}},
        CasoLinhas{"Empty", "", -1, {}}),
    [](const auto& info) { return std::string(info.param.nome); });

// Lines across the reading blocks come out whole.
TEST(LinhasArquivo, LinesAcrossBlocks) {
  QByteArray bytes;
  for (int i = 0; i < 300000; ++i) bytes += "RTRT|" + QByteArray::number(i) + "|\r\n";
  const QList<QByteArray> linhas = Le(bytes);
  ASSERT_EQ(linhas.size(), 300000);
  for (int i = 0; i < linhas.size(); i += 997) EXPECT_EQ(linhas[i], "RTRT|" + QByteArray::number(i) + "|");
  EXPECT_EQ(linhas.back(), "RTRT|299999|");
}

}  // namespace
