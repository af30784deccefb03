#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "SecoesTeste.h"
#include "plataforma/bd/Consulta.h"
#include "secoes/TColecaoSecao.h"

namespace {

using secoes_teste::ComDeclaracaoAberta;

// A section object over a table of the test that leaves its inserts pending, as a batch does.
class SecaoPendente : public TColecaoSecao {
 public:
  SecaoPendente() : TColecaoSecao(QStringLiteral("TESTE_SECAO")) {}
  void Insere(const QString& nome) {
    bd::Consulta& c = Comando(QStringLiteral("INSERT INTO TESTE_SECAO (NOME) VALUES (:NOME)"));
    c.param("NOME", nome);
    ExecutaConsulta(c);
  }
};

enum class Fim { Confirmado, SemConfirma, Excecao, ConfirmacaoRecusada };

struct CasoFim {
  Fim fim;
  const char* guardadas;  // rows stored once the object is gone
  bool falha;             // its Confirma raises the failure of the commit
};

class FimDaSecao : public ComDeclaracaoAberta, public testing::WithParamInterface<CasoFim> {};

TEST_P(FimDaSecao, GuardaSoOQueSeuUsuarioConfirmouELevantaAFalha) {
  Roda(QStringLiteral("CREATE TABLE TESTE_SECAO (NOME VARCHAR(20))"));
  if (GetParam().fim == Fim::ConfirmacaoRecusada)
    declaracao_teste::RecusaConfirmacao(m_pasta, kBanco,
                                        QStringLiteral("EXISTS (SELECT 1 FROM TESTE_SECAO WHERE NOME = 'b')"));
  std::optional<EFalhaBanco> falha;
  try {
    SecaoPendente secao;
    secao.Insere(QStringLiteral("a"));
    secao.Insere(QStringLiteral("b"));
    if (GetParam().fim == Fim::Excecao) throw std::runtime_error("interrompido");
    if (GetParam().fim != Fim::SemConfirma) secao.Confirma();
  } catch (const std::runtime_error&) {
  } catch (const EFalhaBanco& f) {
    falha = f;
  }
  ASSERT_EQ(falha.has_value(), GetParam().falha);
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TESTE_SECAO")), QString::fromLatin1(GetParam().guardadas));
  // Nothing is shown from the collection: the guard shows what is raised.
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_TRUE(m_falhas.falhas().empty());
  if (falha) {
    EXPECT_TRUE(falha->Fatal());
    EXPECT_EQ(falha->GetLado(), EFalhaBanco::Lado::Declaracao);
    EXPECT_TRUE(falha->Mensagem().startsWith(QStringLiteral("Não foi possível salvar as alterações.")));
    EXPECT_TRUE(falha->Mensagem().contains(QStringLiteral("confirmacao recusada")));
  }
}

INSTANTIATE_TEST_SUITE_P(Fins, FimDaSecao,
                         testing::Values(CasoFim{Fim::Confirmado, "2", false}, CasoFim{Fim::SemConfirma, "0", false},
                                         CasoFim{Fim::Excecao, "0", false},
                                         CasoFim{Fim::ConfirmacaoRecusada, "0", true}));

}  // namespace
