#include "entrega/TBlocoRemessas.h"

#include "entrega/ConfereSecao.h"
#include "entrega/ContextoGravacao.h"
#include "entrega/ErroGravacao.h"
#include "entrega/EstadoGravacao.h"
#include "entrega/LinhaRegistro.h"
#include "entrega/RotinasGravacao.h"
#include "entrega/TCompositorRegistros.h"
#include "plataforma/bd/Consulta.h"

namespace {

// The order of both reads up to the beneficiary; the key settles ties.
const char* const kOrdemBeneficiario =
    "R.TREM_IN_TIPO_BENEFICIARIO, R.TREM_CD_PAIS, R.TREM_NIF NULLS FIRST, R.TREM_ID";

struct CampoBrpde {
  const char* coluna;  // empty: the number, composed apart
  const char* nome;
};

// BRPDE after its identifier: the stored column and the field's name in the layout.
const CampoBrpde kCampos[] = {
    {"TREM_IN_TIPO_BENEFICIARIO", "Tipo_de_pessoa"},
    {"TREM_CD_PAIS", "Código_de_país"},
    {"TREM_NIF", "Número de identificação fiscal"},
    {"TREM_IN_BENEF_DISPENSA_NIF", "Indicador de beneficiário dispensado do Número de Identificação Fiscal - NIF."},
    {"TREM_IN_PAIS_DISPENSA_NIF", "Indicador de que o país não exige Número de Identificação Fiscal – NIF."},
    {"", "CPF/CNPJ"},
    {"TREM_NOME", "Nome/Nome empresarial"},
    {"TREM_CD_REL_FONTE_BENEFICIARIO", "Relação_fonte_pagadora_pessoa_jurídica_e_beneficiário_pessoa_jurídica"},
    {"TREM_LOGRADOURO", "Logradouro"},
    {"TREM_NUMERO", "Número"},
    {"TREM_COMPLEMENTO", "Complemento"},
    {"TREM_BAIRRO", "Bairro/distrito"},
    {"TREM_CX_POSTAL", "Código_postal"},
    {"TREM_CIDADE", "Cidade"},
    {"TREM_ESTADO", "Estado/província"},
    {"TREM_TELEFONE", "Telefone"},
};
constexpr int kQuantidadeCampos = int(sizeof kCampos / sizeof kCampos[0]);

// An integer column as the file writes it: its digits, empty when null.
QByteArray NumeroOuVazio(const bd::Consulta& q, int coluna) {
  return q.campo(coluna).nulo() ? QByteArray() : QByteArray::number(q.campo(coluna).inteiro64());
}

}  // namespace

QString TBlocoRemessas::ConsultaBeneficiarios() {
  return QStringLiteral("SELECT R.* FROM TB_REMESSA R ORDER BY %1").arg(QLatin1String(kOrdemBeneficiario));
}

QString TBlocoRemessas::ConsultaPagamentos() {
  return QStringLiteral(
             "SELECT V.TREM_ID, V.TVRE_DATA, V.TVRE_CD_RETENCAO, V.TVRE_CD_TIPO_RENDIMENTO, "
             "V.TVRE_VL_RENDIMENTO_PAGO, V.TVRE_VL_IRRF, V.TVRE_CD_FORMA_TRIBUTACAO "
             "FROM TB_REMESSA R JOIN TB_VALOR_REMESSA V ON V.TREM_ID = R.TREM_ID "
             "ORDER BY %1, V.TVRE_DATA, V.TVRE_CD_RETENCAO, V.TVRE_CD_TIPO_RENDIMENTO, V.TVRE_VL_RENDIMENTO_PAGO, "
             "V.TVRE_VL_IRRF, V.TVRE_ID")
      .arg(QLatin1String(kOrdemBeneficiario));
}

void TBlocoRemessas::Confere(ContextoGravacao& contexto) {
  ConfereSecao(contexto, SecaoIndicada::Remessas, QStringLiteral("SELECT FIRST 1 TREM_ID FROM TB_REMESSA"));
}

void TBlocoRemessas::Gera(ContextoGravacao& contexto) {
  if (!SecaoLiberada(SecaoIndicada::Remessas, contexto.Estado().Indicadores)) return;
  TCompositorRegistros& c = contexto.Compositor();
  EstadoGravacao& estado = contexto.Estado();
  bd::Consulta beneficiarios(contexto.Transacao(), ConsultaBeneficiarios());
  beneficiarios.abre();
  if (beneficiarios.eof()) return;
  c.Inicia("RPDE", {});
  c.Grava();

  int colunas[kQuantidadeCampos];
  for (int i = 0; i < kQuantidadeCampos; ++i)
    colunas[i] = *kCampos[i].coluna ? beneficiarios.indiceCampo(QString::fromLatin1(kCampos[i].coluna)) : 0;
  const int cId = beneficiarios.indiceCampo(QStringLiteral("TREM_ID"));
  const int cNi = beneficiarios.indiceCampo(QStringLiteral("TREM_NI"));
  const int cTipo = colunas[0];
  const int cNome = beneficiarios.indiceCampo(QStringLiteral("TREM_NOME"));

  bd::Consulta pagamentos(contexto.Transacao(), ConsultaPagamentos());
  pagamentos.abre();
  LinhaRegistro conferencia;
  QString campos[kQuantidadeCampos];
  for (; !beneficiarios.eof(); beneficiarios.proximo()) {
    if (contexto.Cancelado()) return;
    contexto.Avanca();
    const int id = beneficiarios.campo(cId).inteiro();
    const QString tipoTexto = beneficiarios.campo(cTipo).texto().trimmed();
    bool numerico = false;
    const int tipo = tipoTexto.toInt(&numerico);
    const bool pessoa = numerico && tipo == 1;
    for (int i = 0; i < kQuantidadeCampos; ++i) campos[i] = colunas[i] ? beneficiarios.campo(colunas[i]).texto() : QString();
    if (numerico) campos[0] = QString::number(tipo);
    const QString ni = beneficiarios.campo(cNi).texto().trimmed();
    campos[5] = ni.isEmpty() ? QString() : pessoa ? GeraCPF(ni) : GeraCNPJ(ni);

    // The stored texts are held to the layout first, each under its own name; then the line is
    // normalised as a whole, which works field by field, and a field left as one blank is empty.
    const QString chave = QStringLiteral("beneficiário no exterior ") + beneficiarios.campo(cNome).texto().trimmed();
    conferencia.Inicia("BRPDE", chave);
    for (int i = 0; i < kQuantidadeCampos; ++i) conferencia.Texto(kCampos[i].nome, campos[i]);
    LinhaRegistro& r = c.Inicia("BRPDE", chave);
    for (int i = 0; i < kQuantidadeCampos; ++i) {
      QString campo = NormalizaCampoLinha(campos[i], pessoa);
      if (campo == u" ") campo.clear();
      r.Texto(kCampos[i].nome, campo);
    }
    c.Grava();
    if (pessoa)
      ++estado.QtdBeneficiariosPF;
    else
      ++estado.QtdBeneficiariosPJ;

    for (; !pagamentos.eof() && pagamentos.campo(1).inteiro() == id; pagamentos.proximo()) {
      if (contexto.Cancelado()) return;
      LinhaRegistro& v = c.Inicia("VRPDE", chave);
      const QDate data = pagamentos.campo(2).data();
      if (data.isValid())
        v.Ascii(data.toString(QStringLiteral("yyyyMMdd")).toLatin1());
      else
        v.Vazio();
      v.Texto("Código_de_receita", NormalizaCampoLinha(pagamentos.campo(3).texto(), false));
      v.Ascii(NumeroOuVazio(pagamentos, 4));
      const int64_t rendimento = CentavosDe(pagamentos.campo(5).dezMilesimos());
      const int64_t irrf = CentavosDe(pagamentos.campo(6).dezMilesimos());
      v.Inteiro(rendimento);
      v.Inteiro(irrf);
      v.Ascii(NumeroOuVazio(pagamentos, 7));
      c.Grava();
      estado.TotalRemessaRendimento += rendimento;
      estado.TotalRemessaIrrf += irrf;
    }
  }
  // Both reads follow one order: a payment left behind is a fault, never a silent loss.
  if (!pagamentos.eof())
    throw ErroGravacao(QStringLiteral("EOrdemRemessa"),
                       QStringLiteral("Os pagamentos ao exterior não acompanharam seus beneficiários (beneficiário %1).")
                           .arg(pagamentos.campo(1).inteiro()));
}
