#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <utility>

#include "nucleo/TTolv.h"
#include "secoes/RemessaFalsas.h"
#include "secoes/RemessaVisoesFalsas.h"
#include "secoes/SecoesTeste.h"
#include "secoes/TfrmValoresRemessa.h"
#include "secoes/TzuqRemessa.h"
#include "secoes/TzuqRemessaControlador.h"
#include "secoes/TzuqValoresRemessaControlador.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/QtGtest.h"

namespace {

using remessa_teste::ConsultasFalsas;
using remessa_teste::DeclaracaoFalsa;
using remessa_teste::VisaoRemessaFalsa;

using Campos = std::vector<std::pair<const char*, const char*>>;

// A beneficiary whose every field passes: a person in Paraguay with a NIF.
const Campos kValido = {
    {"tipo", "1"},          {"pais", "586"},          {"nif", "PY-123"},        {"dispensaBeneficiario", "N"},
    {"dispensaPais", "N"},  {"relacao", ""},          {"ni", ""},               {"nome", "Maria Souza"},
    {"logradouro", "Rua A"}, {"numero", "12B"},       {"complemento", "Casa"},  {"bairro", "Centro"},
    {"cxPostal", "1209"},   {"cidade", "Asunción"},   {"telefone", "5952160"},  {"estado", "Central"},
};

// A field left with a typed value: the error that the editor is shown (none when the field
// passes); a failing field keeps the focus.
struct CasoCampo {
  const char* nome;
  uint8_t indice;
  Campos digitados;
  int codigo;  // 0: passes
  int numeroCampo;
  const char* mensagem;  // how the message begins
};

class ControladorCampos : public testing::TestWithParam<CasoCampo> {
 protected:
  CaixaMensagemFalsa caixa;
  ConsultasFalsas consultas;
  DeclaracaoFalsa declaracao;
  VisaoRemessaFalsa visao;
};

TEST_P(ControladorCampos, ValidaOCampoDeixadoComoAVisaoOMostra) {
  const CasoCampo& caso = GetParam();
  for (const auto& [campo, valor] : kValido) visao.campos[campo] = QString::fromUtf8(valor);
  for (const auto& [campo, valor] : caso.digitados) visao.campos[campo] = QString::fromUtf8(valor);
  TzuqRemessaControlador controlador(visao, &consultas);
  controlador.Modelo().SetDeclaracao(&declaracao);
  ASSERT_TRUE(visao.aoValidarCampo);

  const bool valido = visao.aoValidarCampo(caso.indice);

  EXPECT_EQ(valido, caso.codigo == 0);
  EXPECT_EQ(controlador.CampoValido(), valido);
  if (caso.codigo == 0) {
    EXPECT_TRUE(visao.erros.empty()) << visao.erros.front().Mensagem().toStdString();
    return;
  }
  ASSERT_EQ(visao.erros.size(), 1u);
  const TzuqErro& erro = visao.erros.front();
  EXPECT_EQ(erro.Codigo(), caso.codigo);
  EXPECT_EQ(erro.NumeroCampo(), caso.numeroCampo);
  EXPECT_TRUE(erro.Mensagem().startsWith(QString::fromUtf8(caso.mensagem))) << erro.Mensagem().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Remessa, ControladorCampos,
    testing::Values(
        CasoCampo{"TipoVazio", 0, {{"tipo", ""}}, 193, 0, "Informe o tipo de beneficiário"},
        CasoCampo{"TipoEscolhido", 0, {}, 0, 0, ""},
        CasoCampo{"PaisVazio", 1, {{"pais", ""}}, 195, 1, "Informe o país de residência"},
        CasoCampo{"PaisInexistente", 1, {{"pais", "999"}}, 229, 1, "Código de país não existe"},
        CasoCampo{"PaisExistente", 1, {}, 0, 0, ""},
        CasoCampo{"SemNifNemMotivo", 3, {{"nif", ""}}, 290, 3, "Preenchimento do campo NIF"},
        CasoCampo{"SemNifComUmMotivo", 3, {{"nif", ""}, {"dispensaBeneficiario", "S"}}, 0, 0, ""},
        CasoCampo{"NifEMotivo", 3, {{"dispensaPais", "S"}}, 290, 3, "Preenchimento do campo NIF"},
        CasoCampo{"DoisMotivos", 3, {{"nif", ""}, {"dispensaBeneficiario", "S"}, {"dispensaPais", "S"}}, 280, 4,
                  "Indicador de beneficiário dispensado"},
        CasoCampo{"NifComBarra", 3, {{"nif", "PY|12"}}, 196, 3, "Número de identificação fiscal inválido"},
        CasoCampo{"EmpresaSemRelacao", 6, {{"tipo", "2"}}, 197, 6, "Relação fonte pagadora/beneficiário inválida"},
        CasoCampo{"RelacaoInexistente", 6, {{"tipo", "2"}, {"relacao", "501"}}, 197, 6, "Relação fonte"},
        CasoCampo{"RelacaoExistente", 6, {{"tipo", "2"}, {"relacao", "500"}}, 0, 0, ""},
        CasoCampo{"NiVazio", 8, {}, 0, 0, ""},
        CasoCampo{"CpfInvalidoDePessoa", 8, {{"ni", "12345678900"}}, 35, 8, "CPF inválido"},
        CasoCampo{"CnpjInvalidoDeEmpresa", 8, {{"tipo", "2"}, {"ni", "11444777000100"}}, 36, 8, "CNPJ inválido"},
        CasoCampo{"CpfValidoDeEmpresa", 8, {{"tipo", "2"}, {"ni", "12345678909"}}, 220, 8, "CNPJ inválido"},
        CasoCampo{"NumeroSemTipo", 8, {{"tipo", ""}, {"ni", "123"}}, 34, 8, "CPF/CNPJ inválido"},
        CasoCampo{"NomeVazio", 9, {{"nome", ""}}, 198, 9, "Nome inválido"},
        CasoCampo{"NomeComQuatroIguais", 9, {{"nome", "Maria Aaaa"}}, 198, 9, "Nome inválido"},
        CasoCampo{"NomeEmpresarialComBarra", 9, {{"tipo", "2"}, {"nome", "Emp|resa"}}, 287, 9,
                  "Caracteres inválidos no nome empresarial"},
        CasoCampo{"NumeroComBarra", 12, {{"numero", "12/3"}}, 201, 12, "Número do logradouro inválido"},
        CasoCampo{"TelefoneComHifen", 15, {{"telefone", "5952-160"}}, 204, 15, "Telefone inválido"},
        CasoCampo{"CidadeSoDeDigitos", 13, {{"cidade", "1234"}}, 202, 13, "Cidade inválida"},
        CasoCampo{"EstadoComBarra", 17, {{"estado", "Central|"}}, 287, 17, "Caracteres inválidos no estado"},
        CasoCampo{"IndiceQueNadaConfere", 4, {{"dispensaBeneficiario", "X"}}, 0, 0, ""}),
    [](const testing::TestParamInfo<CasoCampo>& info) { return std::string(info.param.nome); });

class Controlador : public testing::Test {
 protected:
  CaixaMensagemFalsa caixa;
  ConsultasFalsas consultas;
  VisaoRemessaFalsa visao;
};

TEST_F(Controlador, RegistraOsOitoTratadoresEntregaAsLinhasEPreparaAInclusao) {
  TzuqRemessaControlador controlador(visao, &consultas);
  EXPECT_EQ(visao.chamadas,
            (QStringList{"SetAoSalvar", "SetAoExcluir", "SetAoIncluir", "SetAoAlterar", "SetAoPosicionar",
                         "SetAoCancelar", "SetAoValidarCampo", "SetAoVerificarExistencia", "SetFormValores",
                         "PreparaInclusao"}));
  EXPECT_EQ(visao.valores, &controlador.Valores());
}

TEST_F(Controlador, PosicionarPelaChaveZeroNadaFaz) {
  TzuqRemessaControlador controlador(visao, &consultas);
  visao.chamadas.clear();
  controlador.Posicionar(QStringLiteral("0"), QStringLiteral("8"), QStringLiteral("3"));
  EXPECT_TRUE(visao.chamadas.isEmpty());
  controlador.Posicionar(QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("3"));
  controlador.SelecionaNo(601);
  EXPECT_EQ(visao.chamadas, (QStringList{"Posicionar 7 8 3", "SelecionaNo 601"}));
}

TEST_F(Controlador, IncluirECancelarHabilitamELimpamAsLinhasComOsCodigosDoTipo) {
  TzuqRemessaControlador controlador(visao, &consultas);
  TfrmValoresRemessa& valores = controlador.Valores();
  for (const auto& [codigo, tipo] : {std::pair{"0473", "A"}, {"0610", "F"}, {"9001", "J"}}) {
    TCodigoRetencao c;
    c.SetCodigo(QString::fromLatin1(codigo));
    c.SetPfPjAmbos(QString::fromLatin1(tipo));
    valores.AdicionaCodigoRetencao(c);
  }
  visao.campos["tipo"] = QStringLiteral("2");
  visao.aoPosicionar();  // reads the kind into the model
  visao.aoIncluir();
  EXPECT_TRUE(valores.Habilitado());
  QStringList oferecidos;
  for (const auto& c : valores.CodigosOferecidos()) oferecidos << c.codigo;
  EXPECT_EQ(oferecidos, (QStringList{"0473", "9001"}));
  valores.Acrescenta();
  valores.Edicao().cdRetencao = QStringLiteral("0473");
  valores.Edicao().data = QDate(2013, 3, 1);
  valores.SaiDoCampo(2);
  ASSERT_EQ(valores.Linhas().size(), 1u);
  visao.aoCancelar();
  EXPECT_FALSE(valores.Habilitado());
  EXPECT_TRUE(valores.Linhas().empty());
}

// The controller over the fixture's declaration: countries and revenue codes come from its
// database.
class ControladorComBanco : public secoes_teste::ComDeclaracaoAberta {
 protected:
  void SetUp() override {
    ComDeclaracaoAberta::SetUp();
    Roda(QStringLiteral("insert into tb_cd_retencao_remessa values ('9001', 'Só natureza 2', 'A', 'N', '2')"));
    Roda(QStringLiteral("insert into tb_cd_retencao_remessa values ('9002', 'Fundos', 'A', 'S', '0123489')"));
    m_tolv.SetCodigoNatureza(0);
    visao.tolv = &m_tolv;
  }
  QStringList Codigos(TzuqRemessaControlador& c) const {
    QStringList r;
    for (const auto& codigo : c.Valores().CodigosOferecidos()) r << codigo.codigo;
    return r;
  }
  VisaoRemessaFalsa visao;
};

TEST_F(ControladorComBanco, OfereceOsPaisesEOsCodigosQueADeclaranteUsa) {
  TzuqRemessaControlador controlador(visao);
  ASSERT_EQ(visao.paises.size(), 249u);
  const auto argentina = std::find_if(visao.paises.begin(), visao.paises.end(), [](const auto& p) { return p.codigo == 63; });
  ASSERT_NE(argentina, visao.paises.end());
  EXPECT_EQ(argentina->nome, "ARGENTINA");
  // Neither the code of another nature nor the fund administrators' one.
  EXPECT_EQ(Codigos(controlador), (QStringList{"0473", "0610"}));
}

TEST_F(ControladorComBanco, AdministradoraDeFundosRecebeTambemOsCodigosDeFundos) {
  m_tolv.SetInAdmFC(1);
  TzuqRemessaControlador controlador(visao);
  EXPECT_EQ(Codigos(controlador), (QStringList{"0473", "0610", "9002"}));
}

TEST_F(ControladorComBanco, PosicionarCarregaAsLinhasDoBeneficiarioNaOrdemDasDatas) {
  Roda(QStringLiteral("insert into tb_remessa (trem_id, trem_in_tipo_beneficiario, trem_cd_pais) values (5, '1', 586)"));
  Roda(QStringLiteral("insert into tb_valor_remessa (tvre_id, trem_id, tvre_data, tvre_cd_retencao, "
                      "tvre_vl_rendimento_pago, tvre_vl_irrf) values (1, 5, '2013-05-02', '0473', 100, 15)"));
  Roda(QStringLiteral("insert into tb_valor_remessa (tvre_id, trem_id, tvre_data, tvre_cd_retencao, "
                      "tvre_vl_rendimento_pago, tvre_vl_irrf) values (2, 5, '2013-02-01', '0473', 50.25, 0)"));
  TzuqRemessaControlador controlador(visao);
  visao.id = 5;
  visao.campos["tipo"] = QStringLiteral("1");
  visao.aoPosicionar();
  const TfrmValoresRemessa& valores = controlador.Valores();
  ASSERT_EQ(valores.Linhas().size(), 2u);
  EXPECT_EQ(valores.Linhas()[0].id, 2);
  EXPECT_EQ(valores.Linhas()[1].id, 1);
  EXPECT_EQ(valores.Contador(), "1/2");
  EXPECT_EQ(valores.SomaRendimentoPago(), Valor::deTexto(u"150,25"));
  EXPECT_EQ(valores.DataMinima(), QDate(2013, 1, 1));
  EXPECT_EQ(valores.DataMaxima(), QDate(2013, 12, 31));
  EXPECT_EQ(controlador.Modelo().GetId(), 5);
}

}  // namespace
