#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "secoes/ConversaoRemessa.h"
#include "secoes/RemessaBancoTeste.h"
#include "secoes/TzuqRemessa.h"
#include "secoes/TzuqRemessaDAO.h"
#include "secoes/TzuqValorRemessa.h"
#include "secoes/TzuqValorRemessaDAO.h"
#include "suporte/QtGtest.h"

namespace {

using remessa_teste::ComBancoRemessa;

class RemessaDAO : public ComBancoRemessa {
 protected:
  // A person in Paraguay with every field filled.
  static void Pessoa(TzuqRemessa& r) {
    r.SetInTipoBeneficiario(QStringLiteral("1"));
    r.SetCdPais(QStringLiteral("586"));
    r.SetNif(QStringLiteral("PY-12345/6"));
    r.SetInBenefDispensaNif(QStringLiteral("N"));
    r.SetInPaisDispensaNif(QStringLiteral("N"));
    r.SetCdRelFonteBeneficiario(QStringLiteral("900"));
    r.SetNiComErro(QStringLiteral("12345678909"));
    r.GetNome().SetNomeComErro(QStringLiteral("José da Conceição"));
    r.SetLogradouro(QStringLiteral("Avenida Mariscal López"));
    r.SetNumero(QStringLiteral("1234B"));
    r.SetComplemento(QStringLiteral("Piso 3"));
    r.SetBairro(QStringLiteral("Villa Morra"));
    r.SetCxPostal(QStringLiteral("1209"));
    r.SetCidade(QStringLiteral("Asunción"));
    r.SetTelefone(QStringLiteral("59521600000"));
    r.SetEstado(QStringLiteral("Central"));
  }

  // Stores a line of the beneficiary: date, code, type, form, paid, tax.
  static int Linha(TzuqValorRemessaDAO& dao, TzuqRemessa& r, const char* data, const char* pago, const char* irrf) {
    TzuqValorRemessa v;
    v.SetRemessa(&r);
    v.SetData(QString::fromLatin1(data));
    v.SetCdRetencao(QStringLiteral("0473"));
    v.SetCdTipoRendimento(QStringLiteral("110"));
    v.SetCdFormaTributacao(QStringLiteral("10"));
    v.SetVlRendimentoPago(QString::fromUtf8(pago));
    v.SetVlIrrf(QString::fromUtf8(irrf));
    return dao.Inclui(v);
  }
};

TEST_F(RemessaDAO, GuardaELeCadaColunaDoBeneficiario) {
  TzuqRemessaDAO dao;
  EXPECT_TRUE(dao.ConsultaTodas().empty());
  EXPECT_EQ(dao.QuantidadeRegistros(), 0);

  TzuqRemessa pessoa;
  Pessoa(pessoa);
  const int id = dao.Inclui(pessoa);
  EXPECT_GT(id, 0);
  EXPECT_EQ(pessoa.GetId(), id);
  TzuqRemessa vazia;  // only the kind: every other column empty
  vazia.SetInTipoBeneficiario(QStringLiteral("2"));
  dao.Inclui(vazia);

  const auto lidas = dao.ConsultaTodas();
  ASSERT_EQ(lidas.size(), 2u);
  EXPECT_EQ(dao.QuantidadeRegistros(), 2);
  const TzuqRemessa& r = *lidas[0];
  EXPECT_EQ(r.GetId(), id);
  EXPECT_EQ(r.GetInTipoBeneficiario(), "1");
  EXPECT_EQ(r.GetCdPais(), "586");
  EXPECT_EQ(r.GetNif(), "PY-12345/6");
  EXPECT_EQ(r.GetInBenefDispensaNif(), "N");
  EXPECT_EQ(r.GetInPaisDispensaNif(), "N");
  EXPECT_EQ(r.GetCdRelFonteBeneficiario(), "900");
  EXPECT_EQ(r.GetNiDigitos(), "12345678909");
  EXPECT_EQ(r.GetNome().GetValor(), QStringLiteral("José da Conceição"));
  EXPECT_EQ(r.GetLogradouro(), QStringLiteral("Avenida Mariscal López"));
  EXPECT_EQ(r.GetNumero(), "1234B");
  EXPECT_EQ(r.GetComplemento(), "Piso 3");
  EXPECT_EQ(r.GetBairro(), "Villa Morra");
  EXPECT_EQ(r.GetCxPostal(), "1209");
  EXPECT_EQ(r.GetCidade(), QStringLiteral("Asunción"));
  EXPECT_EQ(r.GetTelefone(), "59521600000");
  EXPECT_EQ(r.GetEstado(), "Central");
  EXPECT_EQ(Le(QStringLiteral("SELECT TREM_IN_PF_PJ || '/' || TREM_NI FROM TB_REMESSA WHERE TREM_ID = %1").arg(id)),
            "1/123456789");

  const TzuqRemessa& v = *lidas[1];
  EXPECT_EQ(v.GetInTipoBeneficiario(), "2");
  EXPECT_EQ(v.GetCdPais(), QString());
  EXPECT_EQ(v.GetNiDigitos(), QString());
  EXPECT_EQ(v.GetNome().GetValor(), QString());
  EXPECT_EQ(v.GetCidade(), QString());

  TzuqRemessa mudada;
  Pessoa(mudada);
  mudada.SetId(id);
  mudada.SetCdPais(QStringLiteral("63"));
  mudada.SetNiComErro(QStringLiteral("11222333000181"));
  mudada.GetNome().SetNomeComErro(QStringLiteral("Outra Empresa SA"));
  mudada.SetInTipoBeneficiario(QStringLiteral("2"));
  mudada.SetEstado(QString());
  dao.Atualiza(mudada);
  const auto depois = dao.ConsultaTodas();
  EXPECT_EQ(depois[0]->GetCdPais(), "63");
  EXPECT_EQ(depois[0]->GetNiDigitos(), "11222333000181");
  EXPECT_EQ(depois[0]->GetNome().GetValor(), "Outra Empresa SA");
  EXPECT_EQ(depois[0]->GetEstado(), QString());
  EXPECT_EQ(Le(QStringLiteral("SELECT TREM_IN_PF_PJ || '/' || TREM_NI FROM TB_REMESSA WHERE TREM_ID = %1").arg(id)),
            "2/112223330001");
}

// However the number reached the table, it is stored in one form and reads back whole.
struct CasoNi {
  const char* nome;
  const char* gravado;
  const char* armazenado;
  const char* lido;
};

class NumeroArmazenado : public RemessaDAO, public testing::WithParamInterface<CasoNi> {};

TEST_P(NumeroArmazenado, TemUmaFormaSoQualquerQueSejaOCaminho) {
  const CasoNi& caso = GetParam();
  // The road of a table editor or of the import: the column written directly.
  Roda(QStringLiteral("INSERT INTO TB_REMESSA (TREM_ID, TREM_NI, TREM_NOME) VALUES (1, '%1', 'Direto')")
           .arg(QString::fromLatin1(caso.gravado)));
  TzuqRemessaDAO dao;
  const auto lidas = dao.ConsultaTodas();
  ASSERT_EQ(lidas.size(), 1u);
  EXPECT_EQ(lidas[0]->GetNiDigitos(), QString::fromLatin1(caso.lido));
  // The road of the data-access object: the number as read, written back.
  TzuqRemessa r;
  r.SetNiComErro(lidas[0]->GetNiDigitos());
  r.GetNome().SetNomeComErro(QStringLiteral("Pelo Objeto"));
  dao.Inclui(r);
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TB_REMESSA WHERE TREM_NI IS NOT DISTINCT FROM %1")
                   .arg(*caso.armazenado ? QStringLiteral("'%1'").arg(QString::fromLatin1(caso.armazenado))
                                         : QStringLiteral("NULL"))),
            "2");
}

INSTANTIATE_TEST_SUITE_P(
    Caminhos, NumeroArmazenado,
    testing::Values(CasoNi{"BaseDeCpf", "123456789", "123456789", "12345678909"},
                    CasoNi{"CpfInteiro", "12345678909", "123456789", "12345678909"},
                    CasoNi{"CpfComBrancos", " 12345678909 ", "123456789", "12345678909"},
                    CasoNi{"CpfInvalidoFicaInteiro", "12345678900", "12345678900", "12345678900"},
                    CasoNi{"BaseDeCnpj", "112223330001", "112223330001", "11222333000181"},
                    CasoNi{"CnpjInteiro", "11222333000181", "112223330001", "11222333000181"},
                    CasoNi{"CnpjInvalidoFicaInteiro", "11222333000180", "11222333000180", "11222333000180"},
                    CasoNi{"Vazio", "", "", ""}),
    [](const testing::TestParamInfo<CasoNi>& info) { return std::string(info.param.nome); });

TEST_F(RemessaDAO, UmaSoPoliticaDeChavesParaQuemGravaDiretoEPeloObjeto) {
  // Someone stored rows with keys of its own, above the sequence.
  Roda(QStringLiteral("INSERT INTO TB_REMESSA (TREM_ID) VALUES (10);"
                      "INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID) VALUES (20, 10);"));
  TzuqRemessaDAO dao;
  TzuqValorRemessaDAO valores;
  TzuqRemessa r;
  EXPECT_EQ(dao.Inclui(r), 11);
  EXPECT_EQ(Linha(valores, r, "", "1", "0"), 21);
  const int chave = dao.NovaChave();
  EXPECT_EQ(chave, 12);
  EXPECT_EQ(valores.NovaChave(), 22);
  // A key taken from the sequence is never given again, whoever writes next.
  Roda(QStringLiteral("INSERT INTO TB_REMESSA (TREM_ID) VALUES (%1)").arg(chave));
  Roda(QStringLiteral("INSERT INTO TB_REMESSA (TREM_ID) VALUES (5)"));
  TzuqRemessa outra;
  EXPECT_EQ(dao.Inclui(outra), 13);
  // A row without a key of its own gets the next one.
  Roda(QStringLiteral("INSERT INTO TB_REMESSA (TREM_NOME) VALUES ('Sem chave')"));
  EXPECT_EQ(Le(QStringLiteral("SELECT TREM_ID FROM TB_REMESSA WHERE TREM_NOME = 'Sem chave'")), "14");
}

TEST_F(RemessaDAO, ExcluirOBeneficiarioLevaSuasLinhasNaMesmaTransacao) {
  TzuqRemessaDAO dao;
  TzuqValorRemessaDAO valores;
  TzuqRemessa a;
  TzuqRemessa b;
  dao.Inclui(a);
  dao.Inclui(b);
  Linha(valores, a, "10/01/2013", "1", "0");
  Linha(valores, a, "11/01/2013", "2", "0");
  Linha(valores, b, "12/01/2013", "3", "0");
  dao.Exclui(a);
  EXPECT_EQ(Le(QStringLiteral("SELECT LIST(TREM_ID) FROM TB_REMESSA")), QString::number(b.GetId()));
  EXPECT_EQ(Le(QStringLiteral("SELECT LIST(TREM_ID) FROM TB_VALOR_REMESSA")), QString::number(b.GetId()));

  // A table editor's delete of the row takes the lines too.
  Roda(QStringLiteral("DELETE FROM TB_REMESSA WHERE TREM_ID = %1").arg(b.GetId()));
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TB_VALOR_REMESSA")), "0");
}

TEST_F(RemessaDAO, UmaExclusaoQueFalhaNaoLevaAsLinhas) {
  TzuqRemessaDAO dao;
  TzuqValorRemessaDAO valores;
  TzuqRemessa a;
  dao.Inclui(a);
  Linha(valores, a, "10/01/2013", "1", "0");
  Linha(valores, a, "11/01/2013", "2", "0");
  Roda(QStringLiteral("SET TERM ^ ;\n"
                      "CREATE EXCEPTION TESTE_RECUSA 'recusada'^\n"
                      "CREATE TRIGGER TESTE_RECUSA FOR TB_REMESSA BEFORE DELETE AS BEGIN EXCEPTION TESTE_RECUSA; END^\n"
                      "SET TERM ; ^\n"));
  const EFalhaBanco falha = FalhaDe([&] { dao.Exclui(a); });
  EXPECT_TRUE(falha.Fatal());
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TB_VALOR_REMESSA")), "2");
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TB_REMESSA")), "1");
  EXPECT_TRUE(falha.Mensagem().contains(QStringLiteral("EXCLUI_REMESSA")));
}

TEST_F(RemessaDAO, JaExistePeloNifPaisETipo) {
  TzuqRemessaDAO dao;
  TzuqRemessa a;
  Pessoa(a);
  dao.Inclui(a);
  TzuqRemessa b;
  Pessoa(b);
  EXPECT_TRUE(dao.JaExiste(b));
  b.SetInTipoBeneficiario(QStringLiteral("2"));
  EXPECT_FALSE(dao.JaExiste(b));
  b.SetInTipoBeneficiario(QStringLiteral("1"));
  b.SetCdPais(QStringLiteral("63"));
  EXPECT_FALSE(dao.JaExiste(b));
  b.SetCdPais(QStringLiteral("586"));
  b.SetNif(QStringLiteral("OUTRO"));
  EXPECT_FALSE(dao.JaExiste(b));
}

TEST_F(RemessaDAO, LinhasGuardamValoresExatosEDataVazia) {
  TzuqRemessaDAO dao;
  TzuqValorRemessaDAO valores;
  TzuqRemessa r;
  dao.Inclui(r);
  const int primeira = Linha(valores, r, "05/03/2013", "1.234,5678", "0,1");
  const int segunda = Linha(valores, r, "", "99.999.999.999,99", "0");
  EXPECT_EQ(Le(QStringLiteral("SELECT TVRE_VL_RENDIMENTO_PAGO || ' ' || TVRE_VL_IRRF FROM TB_VALOR_REMESSA "
                              "WHERE TVRE_ID = %1").arg(primeira)),
            "1234.5678 0.1000");
  EXPECT_EQ(Le(QStringLiteral("SELECT CAST(TVRE_DATA AS VARCHAR(10)) FROM TB_VALOR_REMESSA WHERE TVRE_ID = %1").arg(segunda)),
            "1899-12-30");

  const auto lidas = valores.ConsultaPorRemessa(r.GetId());
  ASSERT_EQ(lidas.size(), 2u);
  const TzuqValorRemessa& a = *lidas[0];
  EXPECT_EQ(a.GetId(), primeira);
  EXPECT_EQ(a.GetIdRemessa(), r.GetId());
  EXPECT_EQ(a.GetRemessa(), nullptr);
  EXPECT_EQ(a.GetData(), "05/03/2013");
  EXPECT_EQ(a.GetVlRendimentoPago(), "1234,5678");
  EXPECT_EQ(a.GetVlIrrf(), "0,1");
  EXPECT_EQ(a.GetCdRetencao(), "0473");
  EXPECT_EQ(a.GetCdTipoRendimento(), "110");
  EXPECT_EQ(a.GetCdFormaTributacao(), "10");
  EXPECT_EQ(lidas[1]->GetData(), QString());
  EXPECT_EQ(lidas[1]->GetVlRendimentoPago(), "99999999999,99");
  EXPECT_EQ(lidas[1]->GetVlIrrf(), "0");
  // A date stored as null by another road also reads empty.
  Roda(QStringLiteral("UPDATE TB_VALOR_REMESSA SET TVRE_DATA = NULL WHERE TVRE_ID = %1").arg(primeira));

  TzuqValorRemessa mudada;
  mudada.SetRemessa(&r);
  mudada.SetId(segunda);
  mudada.SetData(QStringLiteral("31/12/2013"));
  mudada.SetCdRetencao(QStringLiteral("0610"));
  mudada.SetCdTipoRendimento(QStringLiteral("110"));
  mudada.SetCdFormaTributacao(QStringLiteral("40"));
  mudada.SetVlRendimentoPago(QStringLiteral("0,0001"));
  mudada.SetVlIrrf(QStringLiteral("0"));
  valores.Atualiza(mudada);
  std::vector<std::unique_ptr<TzuqValorRemessa>> de_novo;
  valores.CarregaPorRemessa(r.GetId(), de_novo);
  ASSERT_EQ(de_novo.size(), 2u);
  EXPECT_EQ(de_novo[0]->GetData(), QString());
  EXPECT_EQ(de_novo[1]->GetData(), "31/12/2013");
  EXPECT_EQ(de_novo[1]->GetCdRetencao(), "0610");
  EXPECT_EQ(de_novo[1]->GetCdFormaTributacao(), "40");
  EXPECT_EQ(de_novo[1]->GetVlRendimentoPago(), "0,0001");

  valores.Exclui(primeira);
  EXPECT_EQ(valores.ConsultaPorRemessa(r.GetId()).size(), 1u);
  EXPECT_TRUE(valores.ConsultaPorRemessa(r.GetId() + 1).empty());
}

TEST_F(RemessaDAO, UmTextoQueNaoEhValorNaoGuardaNada) {
  TzuqRemessaDAO dao;
  TzuqValorRemessaDAO valores;
  TzuqRemessa r;
  dao.Inclui(r);
  EXPECT_THROW(Linha(valores, r, "01/01/2013", "12,5", "1,2,3"), EConversaoRemessa);
  EXPECT_THROW(Linha(valores, r, "31/02/2013", "12,5", "0"), EConversaoRemessa);
  EXPECT_THROW(Linha(valores, r, "01/01/2013", "", "0"), EConversaoRemessa);
  TzuqValorRemessa semForma;
  semForma.SetRemessa(&r);
  semForma.SetCdTipoRendimento(QStringLiteral("110"));
  semForma.SetVlRendimentoPago(QStringLiteral("1"));
  semForma.SetVlIrrf(QStringLiteral("0"));
  EXPECT_THROW(valores.Inclui(semForma), EConversaoRemessa);
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TB_VALOR_REMESSA")), "0");

  TzuqRemessa paisTexto;
  paisTexto.SetCdPais(QStringLiteral("PY"));
  EXPECT_THROW(dao.Inclui(paisTexto), EConversaoRemessa);
  EXPECT_EQ(dao.QuantidadeRegistros(), 1);
}

TEST_F(RemessaDAO, PercorreBeneficiariosELinhasEmOrdemDeChave) {
  TzuqRemessaDAO dao;
  TzuqValorRemessaDAO valores;
  TzuqRemessa a;
  TzuqRemessa b;
  dao.Inclui(a);
  dao.Inclui(b);
  Linha(valores, b, "01/02/2013", "3", "0");
  Linha(valores, a, "01/01/2013", "1", "0");
  Linha(valores, a, "02/01/2013", "2", "0");
  QStringList visto;
  TzuqRemessa remessa;
  dao.PercorreTodas(remessa, [&visto](TzuqRemessa& r) { visto << QStringLiteral("B%1").arg(r.GetId()); });
  TzuqValorRemessa valor;
  valores.PercorreTodos(valor, [&visto](TzuqValorRemessa& v) {
    visto << QStringLiteral("%1:%2").arg(v.GetIdRemessa()).arg(v.GetVlRendimentoPago());
  });
  EXPECT_EQ(visto, QStringList({QStringLiteral("B%1").arg(a.GetId()), QStringLiteral("B%1").arg(b.GetId()),
                                QStringLiteral("%1:1").arg(a.GetId()), QStringLiteral("%1:2").arg(a.GetId()),
                                QStringLiteral("%1:3").arg(b.GetId())}));

  // In one read, each beneficiary with its own lines; one without lines comes with none.
  TzuqRemessa semLinhas;
  dao.Inclui(semLinhas);
  visto.clear();
  dao.PercorreComValores(remessa, [&](TzuqRemessa& r, std::span<TzuqValorRemessa> linhas) {
    QString texto = QStringLiteral("B%1").arg(r.GetId());
    for (const TzuqValorRemessa& v : linhas) {
      EXPECT_EQ(v.GetRemessa(), &r);
      texto += QStringLiteral(" %1:%2").arg(v.GetIdRemessa()).arg(v.GetVlRendimentoPago());
    }
    visto << texto;
  });
  EXPECT_EQ(visto, QStringList({QStringLiteral("B%1 %1:1 %1:2").arg(a.GetId()), QStringLiteral("B%1 %1:3").arg(b.GetId()),
                                QStringLiteral("B%1").arg(semLinhas.GetId())}));
}

TEST_F(RemessaDAO, LoteGuardaBeneficiariosELinhasNumaTransacaoConfirmadaAoFim) {
  {
    TzuqRemessaDAO dao;
    TzuqValorRemessaDAO valores(dao);
    dao.SetModoImportacao(true);
    valores.SetModoImportacao(true);
    for (int i = 0; i < 3; ++i) {
      TzuqRemessa r;
      dao.Inclui(r);
      // The line sees its beneficiary, stored but not yet committed.
      Linha(valores, r, "01/01/2013", "1", "0");
    }
    EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TB_REMESSA")), "0");
    dao.Confirma();
  }
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TB_REMESSA")), "3");
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TB_VALOR_REMESSA")), "3");
}

TEST_F(RemessaDAO, LoteInterrompidoPorExcecaoNaoGuardaNada) {
  try {
    TzuqRemessaDAO dao;
    TzuqValorRemessaDAO valores(dao);
    dao.SetModoImportacao(true);
    valores.SetModoImportacao(true);
    TzuqRemessa r;
    dao.Inclui(r);
    Linha(valores, r, "01/01/2013", "1", "0");
    throw std::runtime_error("linha ilegível");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TB_REMESSA")), "0");
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TB_VALOR_REMESSA")), "0");
  EXPECT_FALSE(FalhaBanco);
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(RemessaDAO, ConfirmacaoDoFimDoLoteQueFalhaLevantaAFalhaOndeAcontece) {
  declaracao_teste::RecusaConfirmacao(m_pasta, kBanco, QStringLiteral("EXISTS (SELECT 1 FROM TB_VALOR_REMESSA)"));
  {
    TzuqRemessaDAO dao;
    TzuqValorRemessaDAO valores(dao);
    dao.SetModoImportacao(true);
    valores.SetModoImportacao(true);
    TzuqRemessa r;
    dao.Inclui(r);
    Linha(valores, r, "01/01/2013", "1", "0");
    const EFalhaBanco falha = FalhaDe([&] { dao.Confirma(); });
    EXPECT_TRUE(falha.Fatal());
    EXPECT_EQ(falha.GetLado(), EFalhaBanco::Lado::Declaracao);
    EXPECT_TRUE(falha.Mensagem().contains(QStringLiteral("confirmacao recusada")));
  }
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TB_VALOR_REMESSA")), "0");
}

TEST(TzuqRemessaDAO, SemDeclaracaoAbertaNaoLeNemGrava) {
  TColecao::FechaConexoes();
  TzuqRemessaDAO dao;
  EXPECT_FALSE(dao.Conectado());
  TzuqRemessa r;
  EXPECT_EQ(dao.Inclui(r), 0);
  EXPECT_TRUE(dao.ConsultaTodas().empty());
  EXPECT_EQ(dao.QuantidadeRegistros(), 0);
  TzuqValorRemessaDAO valores;
  TzuqValorRemessa v;
  EXPECT_EQ(valores.Inclui(v), 0);
}

}  // namespace
