// The receipt readers over mutated files: whatever the bytes, a state and no crash. The seed is
// fixed, so a failure repeats.

#include <QFile>

#include <gtest/gtest.h>

#include <random>

#include "relatorios/ReciboTeste.h"

namespace {

using namespace recibo_teste;

class Mutador {
 public:
  explicit Mutador(uint32_t semente) : m_gerador(semente) {}

  int Ate(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_gerador); }

  QByteArray Muta(QByteArray b) {
    const int vezes = 1 + Ate(4);
    for (int i = 0; i < vezes; ++i) {
      const int onde = b.isEmpty() ? 0 : Ate(int(b.size()));
      switch (Ate(7)) {
        case 0:  // a byte changed, the line breaks and separators included
          if (!b.isEmpty()) b[onde] = char(Ate(256));
          break;
        case 1: b.insert(onde, char(Ate(256))); break;
        case 2: b.remove(onde, 1 + Ate(8)); break;
        case 3: b.truncate(onde); break;
        case 4: b.insert(onde, QByteArray(1 + Ate(300), char(" 0|\r\nVC"[Ate(7)]))); break;
        case 5: {  // a line repeated or moved
          const qsizetype fim = b.indexOf('\n', onde);
          if (fim > onde) b.insert(Ate(int(b.size())), b.mid(onde, fim - onde + 1));
          break;
        }
        default: b.replace(onde, 1, "|"); break;
      }
    }
    return b;
  }

 private:
  std::mt19937 m_gerador;
};

bool EstadoConhecido(EstadoRecibo e) { return uint8_t(e) <= uint8_t(EstadoRecibo::OutroContribuinte); }

class FuzzRecibo : public PastaRecibo {};

TEST_F(FuzzRecibo, MutatedReceiptsGiveAState) {
  GravaDeclaracao();
  Recibo base;
  base.nc = Aviso{}.Linha();
  base.vc = "VC 12012;0;220102011;";
  const QByteArray genuino = base.Bytes();
  Mutador m(20140315);
  ConferenciaRecibo conferencia(QStringLiteral(TOLV_VORSAK_FALSA));
  for (int i = 0; i < 2500; ++i) {
    const QByteArray bytes = m.Muta(genuino);
    GravaRecibo(bytes);
    const ResultadoRecibo r = conferencia.Confere(Declaracao());
    ASSERT_TRUE(EstadoConhecido(r.Estado)) << i;
    // Only the genuine receipt passes (what follows a record's check value is not read).
    if (r.Conferido()) {
      EXPECT_TRUE(r.Recibo.LinhaHC.startsWith(base.Registros()[0])) << i;
      EXPECT_EQ(r.Recibo.LinhaRC, base.Registros()[1]) << i;
    }
  }
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

// The declaration's records mutated and sealed again with a right digest: the extract reads
// whatever the records became.
TEST_F(FuzzRecibo, MutatedDeclarationsGiveAState) {
  const QByteArray registros =
      Linhas({"TOLV|2014|2013|N||F8UCL6S|", "RESPO|22233344405|MARIA|61|33334444|||M@X.COM|",
              "DECPJ|11444777000161|PADARIA|0|11144477735|N|S|S|S|S|S|S|20130731|", "FCI|33444555000181|F|",
              "BPFFCI|01234567890|ANA||", "RTRT|100000|100001|||||||||||50000|", "PROC|1|X|", "RIO|1000|P|",
              "BRPDE|1|586||N|S|0|J|", "VRPDE|20130115|0473|120|50000|0|40|", "TPSE|1|A|150000|",
              "DTPSE||20050101|J|04|10050|", "FIMTOLV|"});
  GravaRecibo(Recibo{}.Bytes());
  Mutador m(31415);
  ConferenciaRecibo conferencia(QStringLiteral(TOLV_VORSAK_FALSA));
  for (int i = 0; i < 1500; ++i) {
    ASSERT_TRUE(escreve(Declaracao(), m.Muta(registros)));
    AnexaEnvelope(Declaracao());
    // Now and then the envelope itself is hit.
    if (i % 5 == 0) {
      ASSERT_TRUE(escreve(Declaracao(), m.Muta(conteudo(Declaracao()))));
    }
    ASSERT_TRUE(EstadoConhecido(conferencia.Confere(Declaracao()).Estado)) << i;
  }
}

}  // namespace
